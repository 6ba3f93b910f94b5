#include "dialogs/form_centred_message_dlg.h"
#include "dialogs/message_dialog_form.h"
#include "dialogs/qt_message_box.h"

#include "definitions/process_variables.h"
#include "dialog_test_support.h"
#include "platform/strings.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace dialogkit;
using namespace textcore;
using testsupport::DialogDriver;

TMsgDlgButtons Buttons(uint16_t bits) {
  TMsgDlgButtons set;
  for (int b = mbYes; b <= mbClose; ++b)
    if (bits & (1u << b))
      set.Include(static_cast<TMsgDlgBtn>(b));
  return set;
}

struct Owner {
  Owner() {
    window.setGeometry(200, 150, 640, 480);
    window.show();
  }
  QApplication &application = testsupport::QtApplication();
  QWidget window;
};

int32_t Ask(QWidget *owner, uint16_t bits, int32_t timeout = 0, bool dont_show = false,
            const String &message = u"Proceed?") {
  return FormCentredMessageDlg(owner, Global_TimedOut, message, mtConfirmation, Buttons(bits), 77,
                               Global_HelpProc(), timeout, dont_show);
}

// Every button set the catalogue uses: exactly its buttons, the default the overloads without one
// pick (OK, else Yes, else the first that is not Help), and each button answers its own number.
TEST(FormCentredMessageDlg, ButtonSetsAnswerTheirOwnResultsFromThePickedDefault) {
  struct Row {
    uint16_t bits;
    TMsgDlgBtn expected_default;
  };
  const Row rows[] = {{4, mbOK},           {3, mbYes},
                      {12, mbOK},          {9, mbYes},
                      {1027, mbYes},       {1028, mbOK},
                      {1035, mbYes},       {1036, mbOK},
                      {771, mbYes},        {779, mbYes},
                      {1544, mbCancel},    {1803, mbYes},
                      {1 << mbAll, mbAll}, {1 << mbRetry | 1 << mbIgnore, mbRetry}};
  Owner owner;
  for (const Row &row : rows) {
    for (int b = mbYes; b <= mbClose; ++b) {
      const auto button = static_cast<TMsgDlgBtn>(b);
      if (button == mbHelp || !Buttons(row.bits).Contains(button))
        continue;
      DialogDriver driver([&](TMessageDialogForm &form, TWrapper &) {
        for (int other = mbYes; other <= mbClose; ++other) {
          QPushButton *pb = form.Button(static_cast<TMsgDlgBtn>(other));
          EXPECT_EQ(pb != nullptr, (row.bits >> other & 1) != 0) << row.bits << " " << other;
          if (pb != nullptr) {
            EXPECT_EQ(pb->isDefault(), other == row.expected_default) << row.bits << " " << other;
          }
        }
        form.Button(button)->click();
      });
      EXPECT_EQ(Ask(&owner.window, row.bits), ModalResultOf(button)) << row.bits << " " << b;
    }
  }
  EXPECT_EQ(DefaultButtonFor(Buttons(1 << mbHelp)), mbHelp);
}

TEST(FormCentredMessageDlg, AnExplicitDefaultOutsideTheSetFallsBackToThePickedOne) {
  Owner owner;
  DialogDriver driver([](TMessageDialogForm &form, TWrapper &) {
    EXPECT_TRUE(form.Button(mbOK)->isDefault());
    form.Button(mbOK)->click();
  });
  EXPECT_EQ(FormCentredMessageDlg(&owner.window, Global_TimedOut, u"m", mtWarning, Buttons(1028), 0,
                                  {}, mbYes, 0, false),
            mrOk);
}

// Escape and closing the window never consent, not even when OK is the only button.
TEST(FormCentredMessageDlg, EscapeAndClosingTheWindowAnswerCancel) {
  Owner owner;
  for (const uint16_t bits : {uint16_t(4), uint16_t(1028), uint16_t(3), uint16_t(771)}) {
    {
      DialogDriver driver([](TMessageDialogForm &form, TWrapper &) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&form, &escape);
      });
      EXPECT_EQ(Ask(&owner.window, bits), mrCancel) << bits;
    }
    DialogDriver driver([](TMessageDialogForm &form, TWrapper &) { form.close(); });
    EXPECT_EQ(Ask(&owner.window, bits), mrCancel) << bits;
  }
}

TEST(FormCentredMessageDlg, HelpCallsTheHelpProcedureAndLeavesTheDialogOpen) {
  Owner owner;
  int calls = 0;
  const TNotifyEvent previous = Global_HelpProc();
  Global_HelpProc() = [&calls](TObject *) {
    ++calls;
    EXPECT_EQ(Global_MessageHelpCtx, 77);
  };
  DialogDriver driver([&calls](TMessageDialogForm &form, TWrapper &) {
    form.Button(mbHelp)->click();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(form.isVisible());
    form.Button(mbNo)->click();
  });
  EXPECT_EQ(Ask(&owner.window, 1027), mrNo);
  Global_HelpProc() = previous;
}

TEST(FormCentredMessageDlg, TimerClosesAfterItsSecondsAndOnlyThenSetsTheFlag) {
  Owner owner;
  {
    DialogDriver driver([](TMessageDialogForm &form, TWrapper &wrapper) {
      ASSERT_NE(wrapper.FTimer, nullptr);
      for (int i = 0; i < 9; ++i)
        wrapper.Tick();
      EXPECT_TRUE(form.isVisible());
      EXPECT_EQ(wrapper.QuitReason, q_ordinary_close);
      wrapper.Tick();
      EXPECT_EQ(wrapper.QuitReason, q_timed_out);
    });
    Global_TimedOut = false;
    EXPECT_EQ(Ask(&owner.window, 1027, 10), mrCancel);
    EXPECT_TRUE(Global_TimedOut);
  }
  DialogDriver driver([](TMessageDialogForm &form, TWrapper &wrapper) {
    EXPECT_EQ(wrapper.FTimer, nullptr);
    form.Button(mbYes)->click();
  });
  EXPECT_EQ(Ask(&owner.window, 1027, 0), mrYes);
  EXPECT_FALSE(Global_TimedOut);
}

TEST(FormCentredMessageDlg, CentresOnTheOwnerWithTheBoxBottomAlignedLeftOfTheButtons) {
  Owner owner;
  DialogDriver driver([&owner](TMessageDialogForm &form, TWrapper &) {
    EXPECT_EQ(form.parentWidget(), &owner.window);
    const QPoint expected = owner.window.mapToGlobal(owner.window.rect().center());
    const QPoint centre = form.mapToGlobal(form.rect().center());
    EXPECT_LE((centre - expected).manhattanLength(), 4);
    QCheckBox *box = form.NeverShowBox();
    ASSERT_NE(box, nullptr);
    const QRect ok = form.Button(mbOK)->geometry();
    const QRect box_rect = box->geometry();
    EXPECT_LT(box->mapTo(&form, box_rect.topLeft() - box->pos()).x(),
              form.Button(mbOK)->mapTo(&form, QPoint(0, 0)).x());
    EXPECT_NEAR(box->mapTo(&form, QPoint(0, box_rect.height())).y(),
                form.Button(mbOK)->mapTo(&form, QPoint(0, ok.height())).y(), 1);
    EXPECT_GE(form.width(), 300);
    form.Button(mbOK)->click();
  });
  EXPECT_EQ(Ask(&owner.window, 1028, 0, true), mrOk);
}

TEST(FormCentredMessageDlg, CaptionOrTheKindsTitle) {
  Owner owner;
  QString title;
  DialogDriver driver([&title](TMessageDialogForm &form, TWrapper &) {
    title = form.windowTitle();
    form.reject();
  });
  FormCentredMessageDlg(&owner.window, Global_TimedOut, u"Saving", u"m", mtConfirmation, Buttons(3),
                        0, {}, 0, false);
  EXPECT_EQ(title, QStringLiteral("Saving"));
  FormCentredMessageDlg(&owner.window, Global_TimedOut, u"m", mtWarning, Buttons(3), 0, {}, 0,
                        false);
  EXPECT_EQ(title, QStringLiteral("Warning"));
}

struct MarkerFolder {
  MarkerFolder() : previous(Global_user_ReadWrite_folder()) {
    Global_user_ReadWrite_folder() = UTF8ToString(folder.Path().string());
  }
  ~MarkerFolder() { Global_user_ReadWrite_folder() = previous; }
  testsupport::TempFolder folder;
  String previous;
};

// Ticked and answered: the marker (UTF-16 LE with its mark, one dated line) suppresses the next
// dialog of that message, which then answers Cancel without a timed-out flag.
TEST(FormCentredMessageDlg, TickedNeverShowBoxWritesAMarkerThatSuppressesTheNextDialog) {
  Owner owner;
  MarkerFolder markers;
  const String message = u"Column layout: data partly obscured";
  {
    DialogDriver driver([](TMessageDialogForm &form, TWrapper &) { form.Button(mbOK)->click(); });
    EXPECT_EQ(Ask(&owner.window, 1028, 10, true, message), mrOk);
  }
  const String marker = DontShowMarkerFileName(message);
  EXPECT_FALSE(std::filesystem::exists(StringToUTF8(marker)));
  {
    DialogDriver driver([](TMessageDialogForm &form, TWrapper &) {
      form.NeverShowBox()->setChecked(true);
      form.Button(mbOK)->click();
    });
    EXPECT_EQ(Ask(&owner.window, 1028, 10, true, message), mrOk);
  }
  std::ifstream in(StringToUTF8(marker), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GE(bytes.size(), 6u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
  EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\r\0\n\0", 4));

  DialogDriver driver([](TMessageDialogForm &form, TWrapper &) { form.Button(mbOK)->click(); });
  Global_TimedOut = true;
  EXPECT_EQ(Ask(&owner.window, 1028, 10, true, message), mrCancel);
  EXPECT_FALSE(Global_TimedOut);
  EXPECT_EQ(driver.shown, 0);
  // The same message without the box is still asked.
  EXPECT_EQ(Ask(&owner.window, 1028, 0, false, message), mrOk);
}

TEST(FormCentredMessageDlg, MarkerNamesAreCleanedThenCutWithoutSplittingAPair) {
  MarkerFolder markers;
  const String folder = Global_user_ReadWrite_folder() + u"/";
  const String fifty(50, u'a');
  struct Row {
    String message, expected_name;
  };
  const Row rows[] = {
      {u"Data: copied?", u" copied"},
      {fifty + u"b", fifty},
      {fifty + u"c", fifty},
      {String(49, u'a') + u"\U0001F600x", String(49, u'a')},
      {String(48, u'a') + u"\U0001F600x", String(48, u'a') + u"\U0001F600"},
      {u"Column layout:", u""},
  };
  for (const Row &row : rows)
    EXPECT_EQ(DontShowMarkerFileName(row.message),
              row.expected_name.empty() ? String()
                                        : folder + row.expected_name + u".QMDontTellMeAgain");
  Global_user_ReadWrite_folder().clear();
  EXPECT_EQ(DontShowMarkerFileName(u"anything"), String());
}

// No owner: the services' plain box, without caption, timer or never-show box, and a stale
// timed-out flag is cleared.
TEST(FormCentredMessageDlg, WithoutAnOwnerThePlainBoxIsAskedAndTheFlagCleared) {
  TScriptedMessageBoxes boxes;
  boxes.Answer(mrNo);
  Global_TimedOut = true;
  EXPECT_EQ(FormCentredMessageDlg(nullptr, Global_TimedOut, u"Cap", u"Save?", mtConfirmation,
                                  Buttons(3), 0, {}, mbNo, 10, true),
            mrNo);
  EXPECT_FALSE(Global_TimedOut);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].caption, String());
  EXPECT_EQ(boxes.Shown()[0].text, u"Save?");
  EXPECT_EQ(boxes.Shown()[0].default_button, mbNo);
}

String logged;
void LogSink(const String &line) { logged = line; }

// Before any application exists the installed box answers headless and logs the question.
TEST(QtMessageBox, WithoutAnApplicationAnswersHeadlessAndLogs) {
  const TMessageBoxLogSink previous = SetMessageBoxLogSink(LogSink);
  TMessageBoxRequest request;
  request.text = u"Overwrite x?";
  request.buttons = Buttons(1035);
  request.default_button = mbYes;
  EXPECT_EQ(QtMessageBox(request, false), mrYes);
  EXPECT_NE(logged.find(u"Overwrite x?"), String::npos);
  request.destroys_data = true;
  EXPECT_EQ(QtMessageBox(request, false), mrCancel);
  SetMessageBoxLogSink(previous);
}

TEST(QtMessageBox, WithAnApplicationShowsTheSuitesDialog) {
  testsupport::QtApplication();
  TMessageBoxRequest request;
  request.text = u"Go?";
  request.buttons = Buttons(12);
  QTimer::singleShot(0, [] {
    auto *form = dynamic_cast<TMessageDialogForm *>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    form->Button(mbCancel)->click();
  });
  EXPECT_EQ(ShowMessageBox(request), mrCancel);
}

} // namespace
