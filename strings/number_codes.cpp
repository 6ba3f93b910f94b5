// Number codes; see number_codes.h. Both passes copy forward into a new string, so each costs
// time in proportion to the text, and what a code yields is never looked at again.
#include "strings/number_codes.h"

#include "core/yield.h"
#include "strings/hash_codes.h"
#include "strings/readable_escapes.h"

namespace textcore {

namespace {

constexpr size_t kOpenLength = 5; // "{CHR("
constexpr StringView kClose = u")}";
constexpr char16_t kHashSymbol = u'\u001B';

String ConvertBracedCodes(StringView s, int32_t &last) {
  String out;
  out.reserve(s.size());
  size_t read = 0;
  for (size_t open = FindBracedCodeOpening(s, 0); open != StringView::npos;) {
    MyYieldProcess();
    const size_t middle = open + kOpenLength;
    const size_t close = s.find(kClose, middle);
    if (close == StringView::npos)
      break;
    int32_t value = 0;
    if (TryStrToInt(s.substr(middle, close - middle), value)) {
      out.append(s.substr(read, open - read));
      out += static_cast<char16_t>(value & 0xFFFF);
      last = value;
      read = close + kClose.size();
      open = FindBracedCodeOpening(s, read);
    } else {
      open = FindBracedCodeOpening(s, open + 1);
    }
  }
  out.append(s.substr(read));
  return out;
}

// Decimal codes only; the last one read is kept.
String ConvertHashCodes(StringView s, int32_t &last) {
  return ReplaceHashCodes(s, [&last](StringView text, size_t hash, int32_t &value, size_t &past) {
    MyYieldProcess();
    size_t end = hash + 1;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
      ++end;
    if (end == hash + 1 || !TryDecimalToInt(text.substr(hash + 1, end - hash - 1), value))
      return false;
    last = value;
    past = end;
    return true;
  });
}

} // namespace

bool IsHashSymbol(char16_t c) { return c == kHashSymbol; }

bool IsHashOrBrace(char16_t c) { return c == u'#' || c == u'{'; }

int32_t MyFormatValidNumberStr(String &s) {
  int32_t last = -1;
  s = ConvertBracedCodes(s, last);
  s = ConvertHashCodes(s, last);
  return last;
}

} // namespace textcore
