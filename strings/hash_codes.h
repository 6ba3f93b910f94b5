// The one walk over "#" character codes in a text ("#65" for "A"), shared by the readers that
// differ only in which codes they accept: each "#" whose code the reader takes becomes the
// character (the code's low 16 bits), and any other "#" stays as it is.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// read(s, hash, value, past) reads the code after the "#" at hash: true with its value and the
// position past it, false when none is there.
template <typename Read> String ReplaceHashCodes(StringView s, Read &&read) {
  String out;
  out.reserve(s.size());
  size_t done = 0;
  for (size_t hash; (hash = s.find(u'#', done)) != StringView::npos;) {
    out.append(s.substr(done, hash - done));
    int32_t value = 0;
    size_t past = 0;
    if (read(s, hash, value, past)) {
      out += static_cast<char16_t>(value & 0xFFFF);
      done = past;
    } else {
      out += u'#';
      done = hash + 1;
    }
  }
  out.append(s.substr(done));
  return out;
}

} // namespace textcore
