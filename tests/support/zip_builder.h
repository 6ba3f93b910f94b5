// Zip archives for the tests, made with libzip itself, so that each holds exactly the names (in
// the encoding asked for), dates, attributes and comment a test needs; and the bytes of files,
// for tests that damage an archive by hand.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>
#include <zip.h>

namespace testsupport {

// One member, written with designated initializers: {.name = "a.txt", .data = "text"}.
struct ZipMember {
  std::string name{}; // the stored bytes
  std::string data{};
  zip_flags_t encoding = ZIP_FL_ENC_UTF_8; // ZIP_FL_ENC_CP437 for bytes in code page 437
  uint16_t dos_date = 0;                   // with dos_time; 0 leaves libzip's own date
  uint16_t dos_time = 0;
  std::optional<uint32_t> attributes{}; // the external attributes, raw
  bool directory = false;               // a folder entry; name without its trailing "/"
  bool stored = false;                  // not compressed, so its bytes can be found and changed
};

constexpr uint16_t DosDate(int year, int month, int day) {
  return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}
constexpr uint16_t DosTime(int hour, int minute, int second) {
  return static_cast<uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}

inline void WriteZip(const std::string &path, const std::vector<ZipMember> &members,
                     const std::string &comment = "") {
  int code = 0;
  zip_t *zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (zip == nullptr)
    throw std::runtime_error("cannot create " + path);
  for (const ZipMember &m : members) {
    zip_int64_t index;
    if (m.directory) {
      index = zip_dir_add(zip, m.name.c_str(), m.encoding);
    } else {
      zip_source_t *source = zip_source_buffer(zip, m.data.data(), m.data.size(), 0);
      index = zip_file_add(zip, m.name.c_str(), source, m.encoding);
      if (index >= 0 && m.stored)
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (index < 0)
      throw std::runtime_error("cannot add " + m.name + ": " + zip_strerror(zip));
    const auto at = static_cast<zip_uint64_t>(index);
    if (m.dos_date != 0)
      zip_file_set_dostime(zip, at, m.dos_time, m.dos_date, 0);
    if (m.attributes)
      zip_file_set_external_attributes(zip, at, 0, ZIP_OPSYS_UNIX, *m.attributes);
  }
  if (!comment.empty())
    zip_set_archive_comment(zip, comment.data(), static_cast<zip_uint16_t>(comment.size()));
  if (zip_close(zip) != 0)
    throw std::runtime_error("cannot write " + path + ": " + zip_strerror(zip));
}

inline std::string ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Sets the uncompressed size that the first member's local and central headers declare.
inline std::string WithDeclaredSize(std::string archive, uint32_t size) {
  const size_t central = archive.find(std::string("PK\x01\x02", 4));
  for (size_t at : {size_t{22}, central + 24})
    for (int i = 0; i < 4; ++i)
      archive[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  return archive;
}

} // namespace testsupport
