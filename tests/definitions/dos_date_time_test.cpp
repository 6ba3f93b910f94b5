#include "definitions/dos_date_time.h"

#include "platform/exceptions.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::DosDate;
using testsupport::DosTime;

TEST(DosDateTime, FieldsReadFromTheirBitsAndImpossibleValuesRaise) {
  EXPECT_EQ(LastModTimeAndDateToDateTime(DosTime(14, 7, 18), DosDate(2024, 3, 5)),
            EncodeDateTime(2024, 3, 5, 14, 7, 18, 0));
  EXPECT_EQ(LastModTimeAndDateToDateTime(0, DosDate(1980, 1, 1)), EncodeDate(1980, 1, 1));
  EXPECT_EQ(LastModTimeAndDateToDateTime(DosTime(23, 59, 58), DosDate(2107, 12, 31)),
            EncodeDateTime(2107, 12, 31, 23, 59, 58, 0));
  struct Case {
    uint16_t time, date;
  };
  const Case bad[] = {
      {0, 0},                   // the all-zero date of some archivers
      {DosDate(1980, 1, 1), 0}, // the words swapped
      {0, DosDate(2024, 0, 5)},
      {0, DosDate(2024, 13, 5)},
      {0, DosDate(2024, 3, 0)},
      {0, DosDate(2024, 2, 30)},
      {0, DosDate(2023, 2, 29)},
      {DosTime(24, 0, 0), DosDate(2024, 3, 5)},
      {DosTime(12, 60, 0), DosDate(2024, 3, 5)},
      {DosTime(12, 0, 60), DosDate(2024, 3, 5)},
  };
  for (const Case &c : bad)
    EXPECT_THROW(LastModTimeAndDateToDateTime(c.time, c.date), EConvertError) << c.date;
}

} // namespace
} // namespace textcore
