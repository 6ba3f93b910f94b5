// The limit on one member's extraction, which tests lower so that a member "above the limit"
// need not be 256 MiB. Nothing outside the tests and fuzz targets changes it.
#pragma once

#include <cstdint>

namespace textcore {

// kZipExtractLimit unless a test has lowered it.
int64_t ZipExtractLimit();
// Sets the limit, kept between 0 and kZipExtractLimit; a negative value restores the default.
void SetZipExtractLimitForTests(int64_t limit);

} // namespace textcore
