// TMemIniFile: the file's lines, parsed once, with lookups by section and key.
#include "platform/mem_ini_file.h"

#include "platform/float_format.h"
#include "platform/format_date_time.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/locale_strings.h"

#include <cerrno>
#include <sys/stat.h>

namespace textcore {

namespace {

bool IsBlank(const String &text) { return Trim(text).empty(); }

} // namespace

TMemIniFile::TMemIniFile(const String &FileName) : TMemIniFile(FileName, nullptr) {}

TMemIniFile::TMemIniFile(const String &FileName, const TEncoding *AEncoding)
    : fFileName(FileName), fEncoding(AEncoding), fEncodingNamed(AEncoding != nullptr) {
  LoadValues();
}

const TEncoding *TMemIniFile::Encoding() const {
  return fEncoding != nullptr ? fEncoding : TEncoding::Default();
}

void TMemIniFile::SetEncoding(const TEncoding *Value) {
  fEncoding = Value;
  fEncodingNamed = Value != nullptr;
}

// A missing file (or no name at all) is an empty one. Anything else that is not a regular file
// is refused, so that a FIFO or a folder is neither read forever nor replaced later.
void TMemIniFile::LoadValues() {
  fLines.clear();
  if (!fEncodingNamed)
    fEncoding = nullptr;
  if (fFileName.empty())
    return;
  struct stat status {};
  if (stat(FileNameToBytes(fFileName).c_str(), &status) != 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return;
    // Opening the file below reports why it cannot be read.
  } else if (!S_ISREG(status.st_mode)) {
    throw EFOpenError(u"Cannot open file \"" + fFileName + u"\". Not a regular file");
  }
  TStringList list;
  list.LoadFromFile(fFileName, fEncoding);
  fEncoding = list.Encoding();
  SetStrings(list);
}

// Parsing --------------------------------------------------------------------------------------

// Comments start with ";". Before the first section nothing is an entry.
TMemIniFile::Line TMemIniFile::ParseLine(const String &Text, bool InSection) {
  Line line;
  line.Text = Text;
  const String trimmed = Trim(Text);
  if (trimmed.empty() || trimmed[0] == u';')
    return line;
  if (trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']') {
    line.Kind = lkSection;
    line.Name = Trim(StringView(trimmed).substr(1, trimmed.size() - 2));
    return line;
  }
  const size_t equals = Text.find(u'=');
  if (!InSection || equals == String::npos)
    return line;
  line.Kind = lkEntry;
  line.Name = Trim(StringView(Text).substr(0, equals));
  line.Value = Trim(StringView(Text).substr(equals + 1));
  return line;
}

void TMemIniFile::SetStrings(const TStringList &List) {
  std::vector<Line> lines;
  lines.reserve(static_cast<size_t>(List.Count()));
  bool in_section = false;
  for (int32_t i = 0; i < List.Count(); ++i) {
    lines.push_back(ParseLine(List.Strings(i), in_section));
    in_section = in_section || lines.back().Kind == lkSection;
  }
  fLines = std::move(lines);
}

void TMemIniFile::GetStrings(TStringList &List) const {
  List.BeginUpdate();
  try {
    List.Clear();
    for (const Line &line : fLines)
      List.Add(line.Text);
  } catch (...) {
    List.EndUpdate();
    throw;
  }
  List.EndUpdate();
}

// Lookups --------------------------------------------------------------------------------------

bool TMemIniFile::SameName(const String &A, const String &B) const {
  return fCaseSensitive ? AnsiSameStr(A, B) : AnsiSameText(A, B);
}

int32_t TMemIniFile::FindSection(const String &Section) const {
  for (size_t i = 0; i < fLines.size(); ++i)
    if (fLines[i].Kind == lkSection && SameName(fLines[i].Name, Section))
      return static_cast<int32_t>(i);
  return -1;
}

int32_t TMemIniFile::SectionEnd(int32_t Header) const {
  size_t i = static_cast<size_t>(Header) + 1;
  while (i < fLines.size() && fLines[i].Kind != lkSection)
    ++i;
  return static_cast<int32_t>(i);
}

int32_t TMemIniFile::FindKey(int32_t Header, const String &Ident) const {
  if (Header < 0)
    return -1;
  const int32_t end = SectionEnd(Header);
  for (int32_t i = Header + 1; i < end; ++i) {
    const Line &line = fLines[static_cast<size_t>(i)];
    if (line.Kind == lkEntry && SameName(line.Name, Ident))
      return i;
  }
  return -1;
}

// Reading --------------------------------------------------------------------------------------

String TMemIniFile::ReadString(const String &Section, const String &Ident,
                               const String &Default) const {
  const int32_t key = FindKey(FindSection(Section), Ident);
  return key < 0 ? Default : fLines[static_cast<size_t>(key)].Value;
}

int32_t TMemIniFile::ReadInteger(const String &Section, const String &Ident,
                                 int32_t Default) const {
  return StrToIntDef(ReadString(Section, Ident, String()), Default);
}

bool TMemIniFile::ReadBool(const String &Section, const String &Ident, bool Default) const {
  return StrToIntDef(ReadString(Section, Ident, String()), Default ? 1 : 0) != 0;
}

void TMemIniFile::ReadSection(const String &Section, TStringList &Strings) const {
  Strings.Clear();
  const int32_t header = FindSection(Section);
  if (header < 0)
    return;
  const int32_t end = SectionEnd(header);
  for (int32_t i = header + 1; i < end; ++i)
    if (fLines[static_cast<size_t>(i)].Kind == lkEntry)
      Strings.Add(fLines[static_cast<size_t>(i)].Name);
}

void TMemIniFile::ReadSections(TStringList &Strings) const {
  Strings.Clear();
  for (size_t i = 0; i < fLines.size(); ++i)
    if (fLines[i].Kind == lkSection && FindSection(fLines[i].Name) == static_cast<int32_t>(i))
      Strings.Add(fLines[i].Name);
}

void TMemIniFile::ReadSectionValues(const String &Section, TStringList &Strings) const {
  Strings.Clear();
  const int32_t header = FindSection(Section);
  if (header < 0)
    return;
  const int32_t end = SectionEnd(header);
  for (int32_t i = header + 1; i < end; ++i) {
    const Line &line = fLines[static_cast<size_t>(i)];
    if (line.Kind == lkEntry)
      Strings.Add(line.Name + u"=" + line.Value);
  }
}

bool TMemIniFile::SectionExists(const String &Section) const { return FindSection(Section) >= 0; }

bool TMemIniFile::ValueExists(const String &Section, const String &Ident) const {
  return FindKey(FindSection(Section), Ident) >= 0;
}

// Writing --------------------------------------------------------------------------------------

// A new section goes at the end, after a blank line that sets it apart from what is before it.
int32_t TMemIniFile::AddSection(const String &Section) {
  if (!fLines.empty() && !IsBlank(fLines.back().Text))
    fLines.push_back(Line{});
  fLines.push_back(Line{lkSection, u"[" + Section + u"]", Section, String()});
  return static_cast<int32_t>(fLines.size()) - 1;
}

void TMemIniFile::WriteString(const String &Section, const String &Ident, const String &Value) {
  int32_t header = FindSection(Section);
  if (header < 0)
    header = AddSection(Section);
  const int32_t key = FindKey(header, Ident);
  if (key >= 0) {
    Line &line = fLines[static_cast<size_t>(key)];
    if (line.Value != Value) {
      line.Value = Value;
      line.Text = line.Name + u"=" + Value; // the name as the file spells it
    }
    return;
  }
  int32_t at = SectionEnd(header);
  while (at > header + 1 && IsBlank(fLines[static_cast<size_t>(at) - 1].Text))
    --at;
  fLines.insert(fLines.begin() + at, Line{lkEntry, Ident + u"=" + Value, Ident, Value});
}

void TMemIniFile::WriteInteger(const String &Section, const String &Ident, int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

void TMemIniFile::WriteBool(const String &Section, const String &Ident, bool Value) {
  WriteString(Section, Ident, Value ? u"1" : u"0");
}

double TMemIniFile::ReadFloat(const String &Section, const String &Ident, double Default) const {
  return StrToFloatDef(ReadString(Section, Ident, String()), Default);
}

void TMemIniFile::WriteFloat(const String &Section, const String &Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TMemIniFile::ReadDate(const String &Section, const String &Ident,
                                TDateTime Default) const {
  return StrToDateDef(ReadString(Section, Ident, String()), Default);
}

void TMemIniFile::WriteDate(const String &Section, const String &Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TMemIniFile::ReadTime(const String &Section, const String &Ident,
                                TDateTime Default) const {
  return StrToTimeDef(ReadString(Section, Ident, String()), Default);
}

void TMemIniFile::WriteTime(const String &Section, const String &Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

TDateTime TMemIniFile::ReadDateTime(const String &Section, const String &Ident,
                                    TDateTime Default) const {
  // A stored date and time is the date, a blank and the time; a bare date is midnight.
  const String text = Trim(ReadString(Section, Ident, String()));
  const int32_t blank = Pos(u" ", text);
  TDateTime date, time = 0;
  if (blank == 0)
    return TryStrToDate(text, date) ? date : Default;
  if (!TryStrToDate(Copy(text, 1, blank - 1), date) ||
      !TryStrToTime(Copy(text, blank + 1, static_cast<int32_t>(text.size())), time))
    return Default;
  return date < 0 ? date - time : date + time;
}

void TMemIniFile::WriteDateTime(const String &Section, const String &Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

void TMemIniFile::EraseSection(const String &Section) {
  for (int32_t header = FindSection(Section); header >= 0; header = FindSection(Section))
    fLines.erase(fLines.begin() + header, fLines.begin() + SectionEnd(header));
}

void TMemIniFile::DeleteKey(const String &Section, const String &Ident) {
  const int32_t header = FindSection(Section);
  for (int32_t key = FindKey(header, Ident); key >= 0; key = FindKey(header, Ident))
    fLines.erase(fLines.begin() + key);
}

void TMemIniFile::Clear() { fLines.clear(); }

// The file -------------------------------------------------------------------------------------

void TMemIniFile::Rename(const String &FileName, bool Reload) {
  fFileName = FileName;
  if (Reload)
    LoadValues();
}

void TMemIniFile::UpdateFile() {
  TStringList list;
  GetStrings(list);
  list.SaveToFile(fFileName, Encoding());
}

} // namespace textcore
