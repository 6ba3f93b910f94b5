// Copies and file dates on the platform's file layer.
#include "files/file_dates.h"

#include "files/folder_tests.h"
#include "platform/date_time.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"

namespace textcore {

bool CopyAFileWithBackup(const String &file) {
  return CopyFileKeepingTime(file, ChangeFileExt(file, u".bak"), false);
}

bool CopyDateOfFile(const String &source, const String &destination) {
  TDateTime time = 0;
  return DriveAndFileExist(source) && DriveAndFileExist(destination) &&
         FileLastWriteTime(source, time) && SetFileLastWriteTime(destination, time);
}

bool CopyFileRetainingDate(const String &source, const String &destination) {
  return DriveAndFileExist(source) && CopyFileKeepingTime(source, destination, false) &&
         CopyDateOfFile(source, destination);
}

bool SetFileDate(const String &file, const TYearMonthDay &date) {
  if (date.day < 1 || date.day > 31 || date.month < 1 || date.month > 12 || date.year < 1980 ||
      date.year > 2106)
    return false;
  TDateTime day = 0;
  if (!TryEncodeDate(static_cast<uint16_t>(date.year), static_cast<uint16_t>(date.month),
                     static_cast<uint16_t>(date.day), day))
    return false;
  return SetFileLastWriteTime(file, day + 0.5);
}

bool SetFileDate(const String &file, int32_t day, int32_t month, int32_t year) {
  TYearMonthDay date;
  date.year = year;
  date.month = month;
  date.day = day;
  return SetFileDate(file, date);
}

bool SetFileDate(const String &file, const String &day, const String &month, const String &year) {
  int32_t d = 0, m = 0, y = 0;
  return TryStrToInt(day, d) && TryStrToInt(month, m) && TryStrToInt(year, y) &&
         SetFileDate(file, d, m, y);
}

bool SetFileDate(const String &file, const String &date) {
  if (date.size() != 10)
    return false;
  return SetFileDate(file, date.substr(0, 2), date.substr(3, 2), date.substr(6, 4));
}

} // namespace textcore
