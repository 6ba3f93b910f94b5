// TMemIniFile: a settings file of [sections] and name=value entries, held in memory and written
// back whole by UpdateFile.
//
// The file is read once, on creation; a missing file is an empty one. Its encoding comes from its
// byte-order mark (the system's 8-bit code page without one) and is kept for UpdateFile, unless
// the caller names an encoding. What the user wrote survives a round trip: comments, blank lines,
// lines that are not entries and lines before the first section stay where they were, and an
// entry that is not written to keeps its line as it stood. Line breaks are written as CR LF.
//
// Names of sections and keys are matched ignoring case (locale-aware) unless CaseSensitive. A
// line is read trimmed, and so are both sides of "=": " k = v " reads as "v". When a section or key
// occurs twice, the first one is the one read and written; the others are kept in the file.
#pragma once

#include "platform/date_time.h"
#include "platform/encoding.h"
#include "platform/object.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

class TMemIniFile : public TObject {
public:
  explicit TMemIniFile(const String &FileName);
  TMemIniFile(const String &FileName, const TEncoding *AEncoding);

  const String &FileName() const { return fFileName; }
  // The encoding UpdateFile writes: the one named, or the file's, or the system's 8-bit code page.
  const TEncoding *Encoding() const;
  void SetEncoding(const TEncoding *Value);
  bool CaseSensitive() const { return fCaseSensitive; }
  void SetCaseSensitive(bool Value) { fCaseSensitive = Value; }

  String ReadString(const String &Section, const String &Ident, const String &Default) const;
  // Sets the value of an existing key in place, or adds the key after the section's last line
  // that is not blank (adding the section at the end when it is new).
  void WriteString(const String &Section, const String &Ident, const String &Value);
  int32_t ReadInteger(const String &Section, const String &Ident, int32_t Default) const;
  void WriteInteger(const String &Section, const String &Ident, int32_t Value);
  // Any integer but 0 is true; text that is not an integer gives Default. Virtual, as the
  // framework had them, so a settings file with Boolean words of its own is read and written by
  // them wherever it is handed around as a TMemIniFile.
  virtual bool ReadBool(const String &Section, const String &Ident, bool Default) const;
  virtual void WriteBool(const String &Section, const String &Ident, bool Value); // "1" or "0"
  // Numbers, dates and times in the user's format settings (FormatSettings()), as the framework
  // stored them; text that does not read back gives Default.
  double ReadFloat(const String &Section, const String &Ident, double Default) const;
  void WriteFloat(const String &Section, const String &Ident, double Value);
  TDateTime ReadDate(const String &Section, const String &Ident, TDateTime Default) const;
  void WriteDate(const String &Section, const String &Ident, TDateTime Value);
  TDateTime ReadTime(const String &Section, const String &Ident, TDateTime Default) const;
  void WriteTime(const String &Section, const String &Ident, TDateTime Value);
  TDateTime ReadDateTime(const String &Section, const String &Ident, TDateTime Default) const;
  void WriteDateTime(const String &Section, const String &Ident, TDateTime Value);

  // Each fills Strings afresh: the key names of Section, every section name once, or the
  // name=value entries of Section.
  void ReadSection(const String &Section, TStringList &Strings) const;
  void ReadSections(TStringList &Strings) const;
  void ReadSectionValues(const String &Section, TStringList &Strings) const;
  // True for a section whose header is in the file, even with no keys under it.
  bool SectionExists(const String &Section) const;
  bool ValueExists(const String &Section, const String &Ident) const;
  // Removes every section of that name with all its lines.
  void EraseSection(const String &Section);
  // Removes the key's lines (every one of that name) from the section.
  void DeleteKey(const String &Section, const String &Ident);
  void Clear();

  // The file's lines as UpdateFile writes them, and the reverse.
  void GetStrings(TStringList &List) const;
  void SetStrings(const TStringList &List);
  // Names another file; with Reload its contents replace what is held.
  void Rename(const String &FileName, bool Reload);
  // Replaces the file with what is held.
  void UpdateFile();

private:
  enum LineKind : uint8_t { lkOther, lkSection, lkEntry };
  struct Line {
    LineKind Kind = lkOther;
    String Text; // the line as it is written
    String Name; // of a section or an entry
    String Value;
  };
  static Line ParseLine(const String &Text, bool InSection);

  void LoadValues();
  bool SameName(const String &A, const String &B) const;
  // Indexes into fLines, or -1; a section runs from its header to the next header.
  int32_t FindSection(const String &Section) const;
  int32_t SectionEnd(int32_t Header) const;
  int32_t FindKey(int32_t Header, const String &Ident) const;
  int32_t AddSection(const String &Section);

  String fFileName;
  const TEncoding *fEncoding = nullptr;
  bool fEncodingNamed = false;
  bool fCaseSensitive = false;
  std::vector<Line> fLines;
};

} // namespace textcore
