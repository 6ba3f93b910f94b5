// TrueBoolStrs, FalseBoolStrs, BoolToStr and StrToBool; see bool_strings.h.
#include "platform/bool_strings.h"

#include "platform/exceptions.h"
#include "platform/float_format.h"
#include "platform/locale_strings.h"

#include <algorithm>
#include <cmath>

namespace textcore {

namespace {

// An empty list stands for the one word fallback.
String FirstWord(const std::vector<String> &words, StringView fallback) {
  return words.empty() ? String(fallback) : words.front();
}

bool AmongWords(StringView S, const std::vector<String> &words, StringView fallback) {
  if (words.empty())
    return AnsiSameText(S, fallback);
  return std::any_of(words.begin(), words.end(),
                     [S](const String &word) { return AnsiSameText(S, word); });
}

} // namespace

std::vector<String> &TrueBoolStrs() {
  static std::vector<String> words;
  return words;
}

std::vector<String> &FalseBoolStrs() {
  static std::vector<String> words;
  return words;
}

String BoolToStr(bool B, bool UseBoolStrs) {
  if (!UseBoolStrs)
    return B ? u"-1" : u"0";
  return B ? FirstWord(TrueBoolStrs(), u"True") : FirstWord(FalseBoolStrs(), u"False");
}

bool TryStrToBool(StringView S, bool &Value) {
  double number = 0;
  // "NAN" reads as a number here but is no truth value.
  if (TryStrToFloat(S, number) && !std::isnan(number)) {
    Value = number != 0;
    return true;
  }
  if (AmongWords(S, TrueBoolStrs(), u"True")) {
    Value = true;
    return true;
  }
  if (AmongWords(S, FalseBoolStrs(), u"False")) {
    Value = false;
    return true;
  }
  return false;
}

bool StrToBool(StringView S) {
  bool value = false;
  if (!TryStrToBool(S, value))
    throw EConvertError(u"'" + String(S) + u"' is not a valid boolean value");
  return value;
}

} // namespace textcore
