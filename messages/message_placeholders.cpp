// Reads the specifiers of a Format pattern: "%" [index ":"] ["-"] [width] ["." precision] type,
// where width and precision may be "*" (read from an integer argument) and "%%" is a percent sign.
#include "messages/message_placeholders.h"

namespace textcore {

namespace {

constexpr int kMaxDigits = 3;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

TPlaceholderKind KindOf(char16_t type) {
  switch (type | 0x20) { // ASCII lower case; the type letter ignores case
  case u's':
    return pkString;
  case u'd':
  case u'u':
  case u'x':
    return pkInteger;
  case u'e':
  case u'f':
  case u'g':
  case u'n':
  case u'm':
    return pkFloat;
  case u'p':
    return pkPointer;
  default:
    return pkUnused;
  }
}

// Reads up to three digits at pos; returns the count read, or -1 when there are more.
int ReadNumber(StringView s, size_t &pos, int &value) {
  int digits = 0;
  value = 0;
  while (pos < s.size() && IsDigit(s[pos])) {
    if (++digits > kMaxDigits)
      return -1;
    value = value * 10 + (s[pos++] - u'0');
  }
  return digits;
}

class PlaceholderReader {
public:
  PlaceholderReader(StringView s, std::vector<TPlaceholderKind> &kinds) : fS(s), fKinds(kinds) {}

  bool Read() {
    fKinds.clear();
    for (size_t pos = 0; (pos = fS.find(u'%', pos)) != StringView::npos;) {
      ++pos;
      if (pos < fS.size() && fS[pos] == u'%') {
        ++pos;
        continue;
      }
      if (!ReadSpecifier(pos))
        return false;
    }
    return true;
  }

private:
  bool Use(TPlaceholderKind kind) {
    if (fKinds.size() <= fArg)
      fKinds.resize(fArg + 1, pkUnused);
    if (fKinds[fArg] != pkUnused && fKinds[fArg] != kind)
      return false;
    fKinds[fArg++] = kind;
    return true;
  }

  // A width or precision: digits, or "*" which reads an integer argument.
  bool ReadSize(size_t &pos) {
    if (pos < fS.size() && fS[pos] == u'*') {
      ++pos;
      return Use(pkInteger);
    }
    int ignored;
    return ReadNumber(fS, pos, ignored) >= 0;
  }

  bool ReadSpecifier(size_t &pos) {
    int number;
    int digits = ReadNumber(fS, pos, number);
    if (digits < 0)
      return false;
    if (digits > 0 && pos < fS.size() && fS[pos] == u':') {
      fArg = static_cast<size_t>(number);
      ++pos;
      digits = 0;
    }
    if (digits == 0) { // the digits were an index, or there were none: a width may follow
      if (pos < fS.size() && fS[pos] == u'-')
        ++pos;
      if (!ReadSize(pos))
        return false;
    }
    if (pos < fS.size() && fS[pos] == u'.') {
      ++pos;
      if (!ReadSize(pos))
        return false;
    }
    if (pos >= fS.size() || KindOf(fS[pos]) == pkUnused)
      return false;
    return Use(KindOf(fS[pos++]));
  }

  StringView fS;
  std::vector<TPlaceholderKind> &fKinds;
  size_t fArg = 0;
};

} // namespace

bool ReadPlaceholders(StringView pattern, std::vector<TPlaceholderKind> &kinds) {
  return PlaceholderReader(pattern, kinds).Read();
}

bool SamePlaceholders(StringView a, StringView b) {
  std::vector<TPlaceholderKind> kinds_a, kinds_b;
  return ReadPlaceholders(a, kinds_a) && ReadPlaceholders(b, kinds_b) && kinds_a == kinds_b;
}

} // namespace textcore
