// FormCentredMessageDlg: a message dialog centred on the window that asks, with an optional
// caption, a "never show this again" box and a timer that closes it by itself.
//
// Without an owner window the plain message box of the user-interface services is shown instead
// (a Qt one when an application exists, else the headless answer), without caption, timer or box.
//
// The never-show-again choice is kept as a marker file in the user's read/write folder, named
// after the message; while it exists the dialog is not shown and answers Cancel (2), which every
// caller takes as "not the answer I asked for", so nothing is consented to without the user.
// Markers are not used while the folder is unset.
//
// Every overload sets the timed-out flag on every path: true only when the timer closed the
// dialog, so no caller reads a previous dialog's answer.
#pragma once

#include "platform/object.h"
#include "platform/strings.h"
#include "platform/ui_services.h"

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace dialogkit {

class TMessageDialogForm;

// Why a dialog closed.
enum TQuitType : uint8_t { q_ordinary_close, q_already_saved, q_timed_out };

// What lives as long as one dialog: its settings, the seconds it has been up, why it closed, and
// the one-second timer when it has a timeout.
class TWrapper {
public:
  TWrapper(TMessageDialogForm *form, const textcore::String &instruction, int32_t timeout_seconds,
           bool with_dont_show);
  ~TWrapper();
  TWrapper(const TWrapper &) = delete;
  TWrapper &operator=(const TWrapper &) = delete;

  // One second has passed: closes the dialog with Cancel once the timeout is reached.
  void Tick();

  bool WithDontShow;
  int32_t TimeoutSeconds;
  textcore::String current_instruction;
  TMessageDialogForm *PaiForm;
  int32_t seconds = 0;
  TQuitType QuitReason = q_ordinary_close;
  std::unique_ptr<QTimer> FTimer;
};

// The marker file of a message: the read/write folder, the message cleaned into a file name and
// cut to 50 UTF-16 units (never between the halves of a surrogate pair), and
// ".QMDontTellMeAgain". Empty when the folder is unset or nothing of the message is left.
textcore::String DontShowMarkerFileName(textcore::StringView message);

// The general form: caption, then the default button after the help procedure.
int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const textcore::String &caption,
                              const textcore::String &message, textcore::TMsgDlgType kind,
                              textcore::TMsgDlgButtons buttons, int32_t help_context,
                              const textcore::TNotifyEvent &help_proc,
                              textcore::TMsgDlgBtn default_button, int32_t timeout_seconds,
                              bool with_dont_show);
// No caption.
int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const textcore::String &message,
                              textcore::TMsgDlgType kind, textcore::TMsgDlgButtons buttons,
                              int32_t help_context, const textcore::TNotifyEvent &help_proc,
                              textcore::TMsgDlgBtn default_button, int32_t timeout_seconds,
                              bool with_dont_show);
// No caption; the default button is DefaultButtonFor(buttons).
int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const textcore::String &message,
                              textcore::TMsgDlgType kind, textcore::TMsgDlgButtons buttons,
                              int32_t help_context, const textcore::TNotifyEvent &help_proc,
                              int32_t timeout_seconds, bool with_dont_show);
// A caption; the default button is DefaultButtonFor(buttons).
int32_t FormCentredMessageDlg(QWidget *owner, bool &timed_out, const textcore::String &caption,
                              const textcore::String &message, textcore::TMsgDlgType kind,
                              textcore::TMsgDlgButtons buttons, int32_t help_context,
                              const textcore::TNotifyEvent &help_proc, int32_t timeout_seconds,
                              bool with_dont_show);

// For tests. Every call of the general form, as it was asked for.
struct TMessageDlgCall {
  QWidget *owner = nullptr;
  textcore::String caption;
  textcore::String message;
  textcore::TMsgDlgType kind = textcore::mtInformation;
  textcore::TMsgDlgButtons buttons;
  int32_t help_context = 0;
  textcore::TMsgDlgBtn default_button = textcore::mbOK;
  int32_t timeout_seconds = 0;
  bool with_dont_show = false;
};
// While set, the hook sees every call first and answers it (the dialog is then not shown, and the
// timed-out flag is set to timed_out); returns the hook it replaces.
struct TMessageDlgAnswer {
  int32_t result = textcore::mrCancel;
  bool timed_out = false;
};
using TMessageDlgHook = std::function<TMessageDlgAnswer(const TMessageDlgCall &call)>;
TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook);
// While set, called with the dialog and its wrapper just before the dialog is shown; returns the
// hook it replaces. Tests drive the timer's ticks through the wrapper instead of waiting.
using TMessageDlgShownHook = std::function<void(TMessageDialogForm &form, TWrapper &wrapper)>;
TMessageDlgShownHook SetMessageDlgShownHook(TMessageDlgShownHook hook);

} // namespace dialogkit
