// qmark dialogs over dialogkit's catalogue of message dialogs and the message translations.
#include "tools/qmark/dialogs.h"

#include "dialogs/dialog_samples.h"
#include "dialogs/form_centred_message_dlg.h"
#include "dialogs/message_dialog_form.h"
#include "messages/message_translation.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/qt_strings.h"
#include "platform/string_list.h"
#include "platform/strings.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/qt_start.h"
#include "tools/qmark/table_output.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(Usage: qmark dialogs [options] [NAME...]

Shows the suite's message dialogs as its tools show them, so that a translator can see every
dialog in their language. Each is shown once with stand-in values that mark where each argument
goes: texts are s1, s2 and s3 in the order the dialog takes them, counts 1,235 (1,236 for a
total, 2 and 3 for small numbers). Without a NAME, every dialog of the catalogue, in its order; a
NAME is a dialog's name in the catalogue (FailedToSave, OKtoDelete, ...; any case). A name with
two forms (OKtoOverwriteWithBackupQ) shows both. Nothing is ever answered but Cancel.

Without --png, prints each dialog:

  FailedToSave
    kind: error
    text: Failed to save s1
    buttons: OK, Help (default OK)
    help topic: 3350

with a "caption:" line when the dialog has one, a "text:" line for each line of its text, and
"closes by itself after N seconds" and "has a never-show-again box" when they apply.

Options:
  --translation FILE  Load FILE, a translation of the message catalogue (a line a message: its
                      name, a TAB and the translated text; UTF-8 or UTF-16), before showing. A
                      line the translation refuses (an unknown name, an empty text, or
                      placeholders that differ from the built-in text's) is reported on standard
                      error, and its message keeps the built-in text.
  --png DIR           Draw each dialog offscreen as DIR/NAME.png (a name's second form as
                      NAME-2.png), with its caption, or the title of its kind, in a strip above
                      it, and print each file's name. DIR must exist; a file of the same name in
                      it is replaced.
  --format F          text (default), tsv or json. The columns are name, kind, caption, text (its
                      lines separated by \r, as the dialog has them), buttons, default,
                      help_topic, timeout (seconds, 0 for none) and never_show (yes or no); with
                      --png, name and file.
  -h, --help          Show this help and exit.

Exit status: 0 on success; 1 when a NAME is not in the catalogue, the translation cannot be read
or refuses a line, or a picture cannot be written (the other dialogs are still shown); 2 on bad
usage.
)";

struct DialogsOptions {
  bool help = false;
  std::optional<std::string> translation;
  std::optional<std::string> png_folder;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> names;
};

bool ParseDialogsOptions(std::span<const std::string> args, DialogsOptions &options,
                         std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    std::string value;
    if (typed.name == "--format")
      return TakeValue(args, i, typed.name, typed.inline_value, value, error) &&
             ParseFormat(value, options.format, error);
    std::optional<std::string> *target = typed.name == "--translation" ? &options.translation
                                         : typed.name == "--png"       ? &options.png_folder
                                                                       : nullptr;
    if (target == nullptr) {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    if (!TakeValue(args, i, typed.name, typed.inline_value, value, error))
      return false;
    *target = std::move(value);
    return true;
  };
  return WalkArguments(args, options.names, option, error);
}

const char *KindName(textcore::TMsgDlgType kind) {
  static constexpr const char *names[] = {"warning", "error", "information", "confirmation",
                                          "custom"};
  return kind <= textcore::mtCustom ? names[kind] : "custom";
}

std::string ButtonNames(textcore::TMsgDlgButtons buttons) {
  std::string names;
  for (int b = textcore::mbYes; b <= textcore::mbClose; ++b)
    if (buttons.Contains(static_cast<textcore::TMsgDlgBtn>(b)))
      names += (names.empty() ? "" : ", ") +
               std::string(textcore::ButtonName(static_cast<textcore::TMsgDlgBtn>(b)));
  return names;
}

// The dialogs asked for, in the order named (the catalogue's order when none is), each with the
// name its picture is saved under.
struct Chosen {
  const dialogkit::TDialogSample *sample;
  std::string file_stem;
};

int ChooseDialogs(const DialogsOptions &options, const CommandStreams &streams,
                  std::vector<Chosen> &chosen) {
  const std::span<const dialogkit::TDialogSample> samples = dialogkit::DialogSamples();
  std::map<std::string, int> forms; // how many forms of each name were met so far
  std::vector<Chosen> all;
  for (const dialogkit::TDialogSample &sample : samples) {
    const int form = ++forms[sample.name];
    all.push_back(
        {&sample, std::string(sample.name) + (form == 1 ? "" : "-" + std::to_string(form))});
  }
  if (options.names.empty()) {
    chosen = std::move(all);
    return kSuccess;
  }
  int status = kSuccess;
  for (const std::string &name : options.names) {
    const String wanted = textcore::UTF8ToString(name);
    bool found = false;
    for (const Chosen &candidate : all)
      if (textcore::SameText(textcore::UTF8ToString(candidate.sample->name), wanted)) {
        chosen.push_back(candidate);
        found = true;
      }
    if (!found) {
      streams.err("qmark dialogs: no dialog '" + name + "' in the catalogue\n");
      status = kBadInput;
    }
  }
  return status;
}

int LoadTranslation(const std::string &file, const CommandStreams &streams) {
  textcore::TTranslationResult result;
  const bool read = textcore::LoadTranslationFile(textcore::UTF8ToString(file), result);
  for (const String &refusal : result.refusals)
    streams.err("qmark dialogs: " + file + ": " + textcore::StringToUTF8(refusal) + "\n");
  if (!read)
    return kBadInput;
  return result.refusals.empty() ? kSuccess : kBadInput;
}

// While it lives, every dialog asked for is recorded and answered Cancel instead of shown.
class RecordedDialogs {
public:
  RecordedDialogs()
      : fPrevious(dialogkit::SetMessageDlgHook([this](const dialogkit::TMessageDlgCall &call) {
          fCalls.push_back(call);
          return dialogkit::TMessageDlgAnswer{textcore::mrCancel, false};
        })) {}
  ~RecordedDialogs() { dialogkit::SetMessageDlgHook(std::move(fPrevious)); }
  RecordedDialogs(const RecordedDialogs &) = delete;
  RecordedDialogs &operator=(const RecordedDialogs &) = delete;

  std::vector<dialogkit::TMessageDlgCall> Take() { return std::exchange(fCalls, {}); }

private:
  dialogkit::TMessageDlgHook fPrevious;
  std::vector<dialogkit::TMessageDlgCall> fCalls;
};

std::string Described(const std::string &name, const dialogkit::TMessageDlgCall &call) {
  std::string out = name + "\n    kind: " + KindName(call.kind) + "\n";
  if (!call.caption.empty())
    out += "    caption: " + textcore::StringToUTF8(call.caption) + "\n";
  textcore::TStringList lines;
  lines.SetText(call.message);
  for (int32_t i = 0; i < lines.Count(); ++i)
    out += "    text: " + textcore::StringToUTF8(lines.Strings(i)) + "\n";
  out += "    buttons: " + ButtonNames(call.buttons) + " (default " +
         textcore::ButtonName(call.default_button) + ")\n";
  if (call.help_context != 0)
    out += "    help topic: " + std::to_string(call.help_context) + "\n";
  if (call.timeout_seconds > 0)
    out += "    closes by itself after " + std::to_string(call.timeout_seconds) + " seconds\n";
  if (call.with_dont_show)
    out += "    has a never-show-again box\n";
  return out;
}

int PrintDialogs(const DialogsOptions &options, const std::vector<Chosen> &chosen, QWidget &owner,
                 const CommandStreams &streams) {
  Table table{{{u"name"},
               {u"kind"},
               {u"caption"},
               {u"text"},
               {u"buttons"},
               {u"default"},
               {u"help_topic", true},
               {u"timeout", true},
               {u"never_show"}},
              {}};
  RecordedDialogs recorded;
  std::string out;
  int status = kSuccess;
  for (const Chosen &dialog : chosen) {
    dialog.sample->show(&owner);
    const std::vector<dialogkit::TMessageDlgCall> calls = recorded.Take();
    if (calls.empty()) {
      streams.err("qmark dialogs: " + std::string(dialog.sample->name) + " showed nothing\n");
      status = kBadInput;
      continue;
    }
    const dialogkit::TMessageDlgCall &call = calls.front();
    if (options.format == OutputFormat::kText) {
      out += (out.empty() ? "" : "\n") + Described(dialog.sample->name, call);
      continue;
    }
    const auto u = [](const std::string &text) { return textcore::UTF8ToString(text); };
    table.rows.push_back(
        {u(dialog.sample->name), u(KindName(call.kind)), call.caption, call.message,
         u(ButtonNames(call.buttons)), u(textcore::ButtonName(call.default_button)),
         textcore::IntToStr(call.help_context), textcore::IntToStr(call.timeout_seconds),
         call.with_dont_show ? u"yes" : u"no"});
  }
  if (options.format != OutputFormat::kText)
    WriteTable(out, table, options.format);
  streams.out(out);
  return status;
}

// The dialog as its user sees it: the window's title, which Qt draws outside the widget, in a
// strip of the selection colours above the widget's own picture.
QImage Picture(QWidget &form) {
  const QPixmap body = form.grab();
  const QFontMetrics metrics(form.font());
  constexpr int kMargin = 6;
  const int strip = metrics.height() + 2 * kMargin;
  QImage image(body.width(), body.height() + strip, QImage::Format_RGB32);
  image.fill(form.palette().color(QPalette::Window));
  QPainter painter(&image);
  painter.fillRect(0, 0, image.width(), strip, form.palette().color(QPalette::Highlight));
  painter.setPen(form.palette().color(QPalette::HighlightedText));
  painter.setFont(form.font());
  const int room = std::max(0, image.width() - 2 * kMargin);
  painter.drawText(QRect(kMargin, 0, room, strip), Qt::AlignVCenter | Qt::AlignLeft,
                   metrics.elidedText(form.windowTitle(), Qt::ElideRight, room));
  painter.drawPixmap(0, strip, body);
  return image;
}

// While it lives, each dialog shown is drawn into the file named by Next() once it is up, then
// closed with Cancel.
class DrawnDialogs {
public:
  DrawnDialogs()
      : fPrevious(dialogkit::SetMessageDlgShownHook(
            [this](dialogkit::TMessageDialogForm &form, dialogkit::TWrapper &) {
              fShown = true;
              QTimer::singleShot(0, &form, [this, &form] {
                fWritten = Picture(form).save(fFile, "PNG");
                form.done(textcore::mrCancel);
              });
            })) {}
  ~DrawnDialogs() { dialogkit::SetMessageDlgShownHook(std::move(fPrevious)); }
  DrawnDialogs(const DrawnDialogs &) = delete;
  DrawnDialogs &operator=(const DrawnDialogs &) = delete;

  void Next(const QString &file) {
    fFile = file;
    fShown = fWritten = false;
  }
  bool Shown() const { return fShown; }
  bool Written() const { return fWritten; }

private:
  dialogkit::TMessageDlgShownHook fPrevious;
  QString fFile;
  bool fShown = false;
  bool fWritten = false;
};

int DrawDialogs(const DialogsOptions &options, const std::vector<Chosen> &chosen, QWidget &owner,
                const CommandStreams &streams) {
  const String folder = textcore::UTF8ToString(*options.png_folder);
  if (!textcore::DirectoryExists(folder)) {
    streams.err("qmark dialogs: no folder '" + *options.png_folder + "'\n");
    return kBadInput;
  }
  Table table{{{u"name"}, {u"file"}}, {}};
  DrawnDialogs drawn;
  std::string out;
  int status = kSuccess;
  for (const Chosen &dialog : chosen) {
    const String file = textcore::IncludeTrailingPathDelimiter(folder) +
                        textcore::UTF8ToString(dialog.file_stem) + u".png";
    drawn.Next(textcore::ToQString(file));
    dialog.sample->show(&owner);
    const std::string file_name = textcore::StringToUTF8(file);
    if (!drawn.Shown() || !drawn.Written()) {
      streams.err("qmark dialogs: " +
                  (drawn.Shown() ? "cannot write '" + file_name + "'"
                                 : std::string(dialog.sample->name) + " showed nothing") +
                  "\n");
      status = kBadInput;
      continue;
    }
    if (options.format == OutputFormat::kText)
      out += file_name + "\n";
    else
      table.rows.push_back({textcore::UTF8ToString(dialog.sample->name), file});
  }
  if (options.format != OutputFormat::kText)
    WriteTable(out, table, options.format);
  streams.out(out);
  return status;
}

int Run(const DialogsOptions &options, const CommandStreams &streams) {
  if (qobject_cast<QApplication *>(QCoreApplication::instance()) == nullptr) {
    streams.err("qmark dialogs: no dialog can be shown without a Qt application\n");
    return kBadInput;
  }
  std::vector<Chosen> chosen;
  int status = ChooseDialogs(options, streams, chosen);
  if (options.translation) {
    const int loaded = LoadTranslation(*options.translation, streams);
    status = status == kSuccess ? loaded : status;
  }
  // Each dialog centres on this window, as on a tool's main window.
  QWidget owner;
  owner.resize(800, 600);
  const int shown = options.png_folder ? DrawDialogs(options, chosen, owner, streams)
                                       : PrintDialogs(options, chosen, owner, streams);
  if (options.translation)
    textcore::UseBuiltinTexts();
  return status == kSuccess ? shown : status;
}

} // namespace

std::string_view DialogsHelp() { return kHelp; }

int RunDialogs(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<DialogsOptions>(
      args, streams, "dialogs", kHelp, ParseDialogsOptions,
      [&streams](const DialogsOptions &options) { return Run(options, streams); });
}

int RunDialogsCommand(std::span<char *> args) {
  const std::unique_ptr<QGuiApplication> application = StartQt(true);
  return RunOnStandardStreams(RunDialogs, args, "dialogs");
}

} // namespace qmark
