// FormCentredMessageDlg and its wrapper; see form_centred_message_dlg.h.
#include "dialogs/form_centred_message_dlg.h"

#include "dialogs/message_dialog_form.h"

#include "definitions/process_variables.h"
#include "files/path_names.h"
#include "messages/message_names.h"
#include "platform/date_time.h"
#include "platform/encoding.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format_date_time.h"
#include "platform/string_list.h"
#include "platform/utf.h"

#include <QCheckBox>
#include <QTimer>

namespace dialogkit {

using namespace textcore;

namespace {

struct Hooks {
  TMessageDlgHook call;
  TMessageDlgShownHook shown;
};

Hooks &TheHooks() {
  static Hooks hooks;
  return hooks;
}

bool MarkerExists(const String &marker) { return !marker.empty() && FileExists(marker); }

// The date the user ticked the box, in the user's short date format. A marker that cannot be
// written only means the dialog comes back next time; the answer stands.
void WriteMarker(const String &marker) {
  if (marker.empty() || !DirectoryExists(Global_user_ReadWrite_folder()))
    return;
  try {
    TStringList lines;
    lines.Add(DateToStr(Date()));
    lines.SaveToFile(marker, TEncoding::Unicode());
  } catch (...) {
  }
}

void CentreOn(QWidget &dialog, const QWidget &owner) {
  dialog.adjustSize();
  const QPoint centre = owner.mapToGlobal(owner.rect().center());
  dialog.move(centre - dialog.rect().center());
}

} // namespace

TWrapper::TWrapper(TMessageDialogForm *form, const String &instruction, int32_t timeout_seconds,
                   bool with_dont_show)
    : WithDontShow(with_dont_show), TimeoutSeconds(timeout_seconds),
      current_instruction(instruction), PaiForm(form) {
  if (TimeoutSeconds > 0) {
    FTimer = std::make_unique<QTimer>();
    FTimer->setInterval(1000);
    QObject::connect(FTimer.get(), &QTimer::timeout, [this] { Tick(); });
    FTimer->start();
  }
  if (WithDontShow && MarkerExists(DontShowMarkerFileName(current_instruction)))
    QuitReason = q_already_saved;
}

TWrapper::~TWrapper() = default;

void TWrapper::Tick() {
  if (QuitReason != q_ordinary_close)
    return;
  ++seconds;
  if (TimeoutSeconds > 0 && seconds >= TimeoutSeconds) {
    QuitReason = q_timed_out;
    if (FTimer)
      FTimer->stop();
    if (PaiForm != nullptr)
      PaiForm->done(mrCancel);
  }
}

String DontShowMarkerFileName(StringView message) {
  const String &folder = Global_user_ReadWrite_folder();
  if (folder.empty())
    return {};
  String name = CleanedUpFilename(message);
  constexpr size_t kMaxUnits = 50;
  if (name.size() > kMaxUnits)
    name.resize(IsHighSurrogate(name[kMaxUnits - 1]) ? kMaxUnits - 1 : kMaxUnits);
  if (name.empty())
    return {};
  return IncludeTrailingPathDelimiter(folder) + name + u".QMDontTellMeAgain";
}

int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const String &caption,
                              const String &message, TMsgDlgType kind, TMsgDlgButtons buttons,
                              int32_t help_context, const TNotifyEvent &help_proc,
                              TMsgDlgBtn default_button, int32_t timeout_seconds,
                              bool with_dont_show) {
  timed_out = false;
  if (!buttons.Contains(default_button))
    default_button = DefaultButtonFor(buttons);
  Global_MessageHelpCtx = help_context;
  if (const TMessageDlgHook hook = TheHooks().call) {
    const TMessageDlgAnswer answer = hook({owner, caption, message, kind, buttons, help_context,
                                           default_button, timeout_seconds, with_dont_show});
    timed_out = answer.timed_out;
    return answer.result;
  }

  TMessageBoxRequest request;
  request.text = message;
  request.kind = kind;
  request.buttons = buttons;
  request.default_button = default_button;
  if (owner == nullptr)
    return ShowMessageBox(request);

  request.caption = caption;
  auto form = std::make_unique<TMessageDialogForm>(request, help_proc, owner);
  QCheckBox *never_show = with_dont_show ? form->AddNeverShowBox(_QMNeverShowThisAgain) : nullptr;
  TWrapper wrapper(form.get(), message, timeout_seconds, with_dont_show);
  if (wrapper.QuitReason == q_already_saved)
    return mrCancel;

  CentreOn(*form, *owner);
  if (const TMessageDlgShownHook hook = TheHooks().shown)
    hook(*form, wrapper);
  const int32_t result = form->exec();
  if (never_show != nullptr && never_show->isChecked())
    WriteMarker(DontShowMarkerFileName(message));
  timed_out = wrapper.QuitReason == q_timed_out;
  return result;
}

int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const String &message,
                              TMsgDlgType kind, TMsgDlgButtons buttons, int32_t help_context,
                              const TNotifyEvent &help_proc, TMsgDlgBtn default_button,
                              int32_t timeout_seconds, bool with_dont_show) {
  return FormCentredMessageDlg(owner, timed_out, String(), message, kind, buttons, help_context,
                               help_proc, default_button, timeout_seconds, with_dont_show);
}

int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const String &message,
                              TMsgDlgType kind, TMsgDlgButtons buttons, int32_t help_context,
                              const TNotifyEvent &help_proc, int32_t timeout_seconds,
                              bool with_dont_show) {
  return FormCentredMessageDlg(owner, timed_out, String(), message, kind, buttons, help_context,
                               help_proc, DefaultButtonFor(buttons), timeout_seconds,
                               with_dont_show);
}

int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const String &caption,
                              const String &message, TMsgDlgType kind, TMsgDlgButtons buttons,
                              int32_t help_context, const TNotifyEvent &help_proc,
                              int32_t timeout_seconds, bool with_dont_show) {
  return FormCentredMessageDlg(owner, timed_out, caption, message, kind, buttons, help_context,
                               help_proc, DefaultButtonFor(buttons), timeout_seconds,
                               with_dont_show);
}

TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook) {
  TMessageDlgHook previous = std::move(TheHooks().call);
  TheHooks().call = std::move(hook);
  return previous;
}

TMessageDlgShownHook SetMessageDlgShownHook(TMessageDlgShownHook hook) {
  TMessageDlgShownHook previous = std::move(TheHooks().shown);
  TheHooks().shown = std::move(hook);
  return previous;
}

} // namespace dialogkit
