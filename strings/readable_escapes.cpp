// The readable escape form and its reading. Both passes copy forward into a new string and
// never look back at what they produced, so a code that yields "{" or "#" is not read again;
// each finds its next code from where the last one ended, so their cost grows with the text, not
// with its square.
#include "strings/readable_escapes.h"

#include "core/yield.h"
#include "platform/nls_case.h"
#include "strings/hash_codes.h"

namespace textcore {

namespace {

constexpr StringView kOpen = u"{CHR(";
constexpr StringView kClose = u")}";
// The characters that start a hexadecimal #-code, and the digits of one.
constexpr StringView kHexSignals = u"Xx$Hh";
constexpr StringView kHexCharacters = u"0123456789ABCDEFabcdef";

bool NumberOf(StringView text, int32_t &value) { return TryStrToInt(text, value); }

String ReadBracedCodes(StringView s) {
  String out;
  out.reserve(s.size());
  size_t read = 0;
  size_t open = FindBracedCodeOpening(s, 0);
  size_t close = StringView::npos;
  for (;;) {
    MyYieldProcess();
    if (open == StringView::npos)
      break;
    if (close == StringView::npos || close < open)
      close = s.find(kClose, open);
    if (close == StringView::npos || close <= open + kOpen.size())
      break; // no end, or nothing between the brackets: the rest stays as typed
    // A middle holding the next code holds a "{", so it is no number and need not be read.
    const size_t next = FindBracedCodeOpening(s, open + 1);
    int32_t value = 0;
    const bool number = (next == StringView::npos || next > close) &&
                        NumberOf(BracedNumberStrToDigitalformat(
                                     s.substr(open + kOpen.size(), close - open - kOpen.size())),
                                 value);
    out.append(s.substr(read, open - read));
    if (number) {
      out += static_cast<char16_t>(value & 0xFFFF);
      read = close + kClose.size();
      open = next == StringView::npos || next >= read ? next : FindBracedCodeOpening(s, read);
    } else {
      out += s[open];
      read = open + 1;
      open = next;
    }
  }
  out.append(s.substr(read));
  return out;
}

size_t SpanOf(StringView s, size_t from, StringView allowed) {
  size_t end = from;
  while (end < s.size() && allowed.find(s[end]) != StringView::npos)
    ++end;
  return end;
}

// Reads the #-code whose "#" is at hash: true with the code's value and the index just past it.
bool ReadHashCode(StringView s, size_t hash, int32_t &value, size_t &past) {
  const size_t signals = SpanOf(s, hash + 1, kHexSignals);
  const bool hex = signals > hash + 1;
  const size_t digits = hex ? signals : hash + 1;
  const size_t end = SpanOf(s, digits, hex ? kHexCharacters : kHexCharacters.substr(0, 10));
  if (end == digits)
    return false;
  String number = hex ? String(u"$") : String();
  number.append(s.substr(digits, end - digits));
  if (!NumberOf(number, value))
    return false;
  past = hex && end < s.size() && s[end] == u';' ? end + 1 : end;
  return true;
}

String ReadHashCodes(StringView s) { return ReplaceHashCodes(s, ReadHashCode); }

} // namespace

String QMFormattedWorkStringToReadableString(StringView s, int32_t below) {
  String out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (static_cast<int32_t>(c) < below) {
      out.append(kOpen);
      out.append(IntToStr(c));
      out.append(kClose);
    } else {
      out += c;
    }
  }
  return out;
}

String QMFormattedReadableStringToWorkString(StringView s) {
  return ReadHashCodes(ReadBracedCodes(s));
}

size_t FindBracedCodeOpening(StringView s, size_t from) {
  for (size_t at = s.find(u'{', from); at != StringView::npos; at = s.find(u'{', at + 1)) {
    if (s.size() - at < kOpen.size())
      return StringView::npos;
    size_t i = 1;
    while (i < kOpen.size() && UpperCaseOfUnit(s[at + i]) == kOpen[i])
      ++i;
    if (i == kOpen.size())
      return at;
  }
  return StringView::npos;
}

String BracedNumberStrToDigitalformat(StringView s) {
  String out = UpperCase(s);
  if (!out.empty() && out.front() == u'X')
    out.front() = u'$';
  if (!out.empty() && out.back() == u'H') {
    out.pop_back();
    out.insert(out.begin(), u'$');
  }
  return out;
}

} // namespace textcore
