// TPossiblyDodgyTextStringlist.
#include "files/dodgy_string_list.h"

#include "platform/encoding.h"
#include "platform/streams.h"
#include "platform/utf.h"

#include <algorithm>

namespace textcore {

namespace {

// The bytes are UTF-8 throughout, and more than ASCII.
bool WhollyUTF8(const TBytes &bytes) {
  if (std::none_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b >= 0x80; }))
    return false;
  std::u16string scratch(bytes.size(), u'\0');
  return DecodeUTF8(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()),
                    scratch.data(), true) >= 0;
}

} // namespace

void TPossiblyDodgyTextStringlist::LoadFromFile(const String &FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TPossiblyDodgyTextStringlist::SetTextStr(const String &Value) {
  BeginUpdate();
  try {
    Clear();
    String text = Value;
    if (!text.empty() && Encoding() != nullptr && Encoding()->IsSingleByte()) {
      const TBytes bytes = TEncoding::Default()->GetBytes(text);
      if (WhollyUTF8(bytes))
        text = UTF8ToString(
            std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    }
    const size_t end = std::min(text.find(u'\0'), text.size());
    for (size_t i = 0; i < end;) {
      size_t stop = i;
      while (stop < end && text[stop] != u'\r' && text[stop] != u'\n')
        ++stop;
      Add(text.substr(i, stop - i));
      i = stop;
      if (i < end && text[i] == u'\r')
        ++i;
      if (i < end && text[i] == u'\n')
        ++i;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

} // namespace textcore
