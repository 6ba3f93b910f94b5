// Numbers for people; see human_numbers.h.
#include "strings/human_numbers.h"

#include "platform/float_format.h"
#include "platform/format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace textcore {

namespace {

constexpr int32_t kMostDecimals = 18;

// The powers of ten that a p-value just below one is rounded up to, largest first.
constexpr std::array<double, 10> kPValuePowers = {1e-1, 1e-2, 1e-3, 1e-4, 1e-5,
                                                  1e-6, 1e-7, 1e-8, 1e-9, 1e-10};

// The byte units and the count above which each takes over, largest first.
struct TByteUnit {
  int64_t above;
  int32_t shift;
  const char16_t *name;
};
constexpr std::array<TByteUnit, 3> kByteUnits = {{
    {int64_t{1} << 33, 30, u"Gb"},
    {int64_t{1} << 23, 20, u"Mb"},
    {int64_t{1} << 20, 10, u"Kb"},
}};
constexpr StringView kBytes = u"bytes";

} // namespace

String EasiestNRepresentationOfLargeNumber(float x) {
  return EasiestNRepresentationOfLargeNumber(x, FormatSettings());
}

String EasiestNRepresentationOfLargeNumber(float x, const TFormatSettings &settings) {
  // An infinity stays at least 1000 however often it is divided.
  if (!std::isfinite(x))
    return FloatToStr(x, settings);
  int32_t thousands = 0;
  while (x >= 1000.0f) {
    x /= 1000.0f;
    ++thousands;
  }
  static constexpr std::array<const char16_t *, 5> kFormats = {u"%0.n", u"%.1nK", u"%.1nM",
                                                               u"%.1nG", u"%.1nYikes"};
  return Format(settings, kFormats[static_cast<size_t>(std::min(thousands, 4))], x);
}

String FormattedWithDecimals(float x, int32_t decimals, bool thousands, bool percent) {
  return FormattedWithDecimals(x, decimals, thousands, percent, UserDefaultFormatSettings());
}

String FormattedWithDecimals(float x, int32_t decimals, bool thousands, bool percent,
                             const TFormatSettings &settings) {
  String pattern = thousands ? u"###0,." : u"###0.";
  pattern.append(static_cast<size_t>(std::clamp(decimals, 0, kMostDecimals)), u'0');
  String text = FormatFloat(pattern, x, settings);
  if (percent)
    text += u'%';
  return text;
}

String PValueStr(double x) { return PValueStr(x, UserDefaultFormatSettings()); }

String PValueStr(double x, const TFormatSettings &settings) {
  for (const double power : kPValuePowers) {
    if (power > x && x > power - power / 10000) {
      x = power;
      break;
    }
  }
  String text = FloatToStrF(x, ffFixed, 17, 16, settings);
  // A value with too many integer digits comes back in scientific form, whose zeros count.
  if (text.find_first_of(u"Ee") == String::npos) {
    const size_t last = text.find_last_not_of(u'0');
    text.erase(last == String::npos ? 0 : last + 1);
  }
  return text;
}

String OrdinalFormatOf(int32_t n) {
  const int32_t in_hundred = n % 100;
  if (in_hundred >= 11 && in_hundred <= 13)
    return u"%dth";
  switch (n % 10) {
  case 1:
    return u"%dst";
  case 2:
    return u"%dnd";
  case 3:
    return u"%drd";
  default:
    return u"%dth";
  }
}

String ValueToByteStr(int64_t n) {
  for (const TByteUnit &unit : kByteUnits)
    if (n > unit.above)
      return IntToStr(n >> unit.shift) + unit.name;
  return IntToStr(n) + String(kBytes);
}

String WithLeftZeros(int32_t width, int64_t n) {
  String text = IntToStr(n);
  if (width > 0 && text.size() < static_cast<size_t>(width))
    text.insert(0, static_cast<size_t>(width) - text.size(), u'0');
  return text;
}

} // namespace textcore
