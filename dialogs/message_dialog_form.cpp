// The message dialog; see message_dialog_form.h.
#include "dialogs/message_dialog_form.h"

#include "core/logging_utilities.h"
#include "messages/message_names.h"
#include "platform/qt_strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

namespace dialogkit {

using namespace textcore;

namespace {

// The platform's own button for each of the system's, with its translated text, except All,
// which Qt has no standard button for.
QDialogButtonBox::StandardButton StandardButtonOf(TMsgDlgBtn b) {
  static constexpr QDialogButtonBox::StandardButton standard[] = {
      QDialogButtonBox::Yes,      QDialogButtonBox::No,       QDialogButtonBox::Ok,
      QDialogButtonBox::Cancel,   QDialogButtonBox::Abort,    QDialogButtonBox::Retry,
      QDialogButtonBox::Ignore,   QDialogButtonBox::NoButton, QDialogButtonBox::NoToAll,
      QDialogButtonBox::YesToAll, QDialogButtonBox::Help,     QDialogButtonBox::Close};
  return standard[b];
}

QStyle::StandardPixmap IconOf(TMsgDlgType kind) {
  switch (kind) {
  case mtWarning:
    return QStyle::SP_MessageBoxWarning;
  case mtError:
    return QStyle::SP_MessageBoxCritical;
  case mtConfirmation:
    return QStyle::SP_MessageBoxQuestion;
  default:
    return QStyle::SP_MessageBoxInformation;
  }
}

} // namespace

TMsgDlgBtn DefaultButtonFor(TMsgDlgButtons buttons) {
  if (buttons.Contains(mbOK))
    return mbOK;
  if (buttons.Contains(mbYes))
    return mbYes;
  for (int b = mbYes; b <= mbClose; ++b)
    if (b != mbHelp && buttons.Contains(static_cast<TMsgDlgBtn>(b)))
      return static_cast<TMsgDlgBtn>(b);
  return buttons.Contains(mbHelp) ? mbHelp : mbOK;
}

String KindTitle(TMsgDlgType kind) {
  switch (kind) {
  case mtWarning:
    return _QMWarning;
  case mtError:
    return _QMError;
  case mtConfirmation:
    return _QMConfirmation;
  default:
    // The catalogue has no word of its own for this kind; Qt's translations do.
    return QDialog::tr("Information").toStdU16String();
  }
}

TMessageDialogForm::TMessageDialogForm(const TMessageBoxRequest &request, TNotifyEvent help_proc,
                                       QWidget *parent)
    : QDialog(parent), fHelpProc(std::move(help_proc)) {
  setWindowTitle(ToQString(request.caption.empty() ? KindTitle(request.kind) : request.caption));

  auto *icon = new QLabel(this);
  const int icon_size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(IconOf(request.kind), nullptr, this).pixmap(icon_size));
  auto *text = new QLabel(ToQString(request.text), this);
  text->setObjectName(QStringLiteral("message"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto *box = new QDialogButtonBox(this);
  const bool has_default = request.buttons.Contains(request.default_button);
  const TMsgDlgBtn default_button =
      has_default ? request.default_button : DefaultButtonFor(request.buttons);
  for (int i = mbYes; i <= mbClose; ++i) {
    const auto b = static_cast<TMsgDlgBtn>(i);
    if (!request.buttons.Contains(b))
      continue;
    QPushButton *button = b == mbAll ? box->addButton(tr("&All"), QDialogButtonBox::AcceptRole)
                                     : box->addButton(StandardButtonOf(b));
    fButtons[b] = button;
    button->setAutoDefault(false);
    button->setDefault(b == default_button);
    if (b == default_button)
      button->setFocus();
    if (b == mbHelp)
      connect(button, &QPushButton::clicked, this, [this] { HelpClicked(); });
    else
      connect(button, &QPushButton::clicked, this, [this, b] { done(ModalResultOf(b)); });
  }

  auto *message_row = new QHBoxLayout;
  message_row->addWidget(icon, 0, Qt::AlignTop);
  message_row->addWidget(text, 1);
  fButtonRow = new QHBoxLayout;
  fButtonRow->addStretch(1);
  fButtonRow->addWidget(box, 0, Qt::AlignBottom);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(message_row);
  layout->addLayout(fButtonRow);
}

QCheckBox *TMessageDialogForm::AddNeverShowBox(const String &label) {
  if (fNeverShow != nullptr)
    return fNeverShow;
  fNeverShow = new QCheckBox(ToQString(label), this);
  fNeverShow->setObjectName(QStringLiteral("never_show"));
  constexpr int box_width = 150;
  fNeverShow->setMinimumWidth(box_width);
  fButtonRow->insertWidget(0, fNeverShow, 0, Qt::AlignBottom);
  setMinimumWidth(std::max(minimumWidth(), 2 * box_width));
  return fNeverShow;
}

void TMessageDialogForm::reject() { done(mrCancel); }

void TMessageDialogForm::HelpClicked() {
  if (!fHelpProc)
    return;
  // An exception must not unwind through Qt's event loop; the dialog stays up either way.
  try {
    fHelpProc(nullptr);
  } catch (const std::exception &e) {
    AddToLogFile(u"help procedure failed: " + UTF8ToString(e.what()), true);
  } catch (...) {
    AddToLogFile(u"help procedure failed", true);
  }
}

} // namespace dialogkit
