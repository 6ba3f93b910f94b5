// The readable escape form on arbitrary text: reading it never crashes, agrees with a plain
// step-by-step reading that edits the string in place, never lengthens the text, and a working
// string without "#" or "{" survives the trip to the readable form and back.
#include "fuzz/fuzz_check.h"
#include "platform/nls_case.h"
#include "platform/strings.h"
#include "strings/readable_escapes.h"

#include <cstdint>

using namespace textcore;

namespace {

String Uppered(const String &s) {
  String out(s);
  for (char16_t &c : out)
    c = UpperCaseOfUnit(c);
  return out;
}

int32_t Length(const String &s) { return static_cast<int32_t>(s.size()); }

void ReplaceCode(String &s, int32_t at, int32_t count, int32_t value) {
  Delete(s, at, count);
  Insert(String(1, static_cast<char16_t>(value & 0xFFFF)), s, at);
}

void ReadBracedInPlace(String &s) {
  for (int32_t p = 1;;) {
    const int32_t open = Pos(u"{CHR(", Uppered(s), p);
    if (open == 0)
      return;
    const int32_t close = Pos(u")}", s, open);
    if (close == 0 || close - open <= 5)
      return;
    int32_t value = 0;
    if (TryStrToInt(BracedNumberStrToDigitalformat(Copy(s, open + 5, close - open - 5)), value))
      ReplaceCode(s, open, close + 2 - open, value);
    p = open + 1;
  }
}

int32_t RunEnd(const String &s, int32_t from, StringView allowed) {
  while (from <= Length(s) && allowed.find(s[from - 1]) != StringView::npos)
    ++from;
  return from;
}

void ReadHashesInPlace(String &s) {
  for (int32_t from = 1;;) {
    const int32_t hash = Pos(u"#", s, from);
    if (hash == 0)
      return;
    const int32_t signals = RunEnd(s, hash + 1, u"Xx$Hh");
    const bool hex = signals > hash + 1;
    const int32_t end = RunEnd(s, signals, hex ? u"0123456789ABCDEFabcdef" : u"0123456789");
    const String digits = Copy(s, signals, end - signals);
    const bool semicolon = hex && end <= Length(s) && s[end - 1] == u';';
    int32_t value = 0;
    if (!digits.empty() && TryStrToInt((hex ? u"$" : u"") + digits, value))
      ReplaceCode(s, hash, end - hash + (semicolon ? 1 : 0), value);
    from = hash + 1;
  }
}

bool Holds(const String &s, char16_t c) { return s.find(c) != String::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  const int32_t below = data[0] == 0xFF ? 0x10000 : data[0];
  const String text =
      UTF8ToString(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));

  const String work = QMFormattedReadableStringToWorkString(text);
  FUZZ_CHECK(work.size() <= text.size());
  String expected = text;
  ReadBracedInPlace(expected);
  ReadHashesInPlace(expected);
  FUZZ_CHECK(work == expected);

  if (!Holds(work, u'#') && !Holds(work, u'{')) {
    const String readable = QMFormattedWorkStringToReadableString(work, below);
    FUZZ_CHECK(QMFormattedReadableStringToWorkString(readable) == work);
  }
  return 0;
}
