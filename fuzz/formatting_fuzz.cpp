// Format strings, float patterns and date patterns from outside (translated messages, settings
// files) and the readers of numbers and dates typed by users.
#include "fuzz/fuzz_check.h"
#include "platform/date_time.h"
#include "platform/exceptions.h"
#include "platform/float_format.h"
#include "platform/format.h"
#include "platform/format_date_time.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  String text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const TFormatSettings settings = TFormatSettings::Invariant();

  try {
    Format(settings, text, 42, -3.25, String(u"word"), int64_t{-9000000000}, 7u);
  } catch (const EConvertError &) {
    // A format that does not fit its arguments is the caller's error, reported as such.
  }
  (void)FormatFloat(text, -1234.5678, settings);
  (void)FormatDateTime(text, 46000.75, settings);

  double value = 0;
  if (TryStrToFloat(text, value, settings))
    FUZZ_CHECK(value == value || text.find(u'N') != String::npos ||
               text.find(u'n') != String::npos);
  TDateTime date = 0;
  // Typed dates run from year 1 (a wider range than MinDateTime's year 100) to 9999.
  if (TryStrToDate(text, date, settings))
    FUZZ_CHECK(date >= EncodeDate(1, 1, 1) && date <= MaxDateTime);
  return 0;
}
