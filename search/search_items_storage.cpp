// TBaseSearchItems: the search-word text file and the stream form with hits and languages.
#include "search/search_items.h"

#include "core/stream_codec.h"
#include "platform/encoding.h"
#include "platform/exceptions.h"
#include "platform/streams.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace textcore {

namespace {

constexpr char16_t kFieldSeparator = u'\t';
// The smallest stream item: its count field alone.
constexpr int64_t kSmallestItemBytes = 4;

// One stream item: the typed text and the two numbers, -1 where a number is missing or does not
// fit its field.
struct TStreamItem {
  String typed;
  int32_t hits = -1;
  int32_t language = -1;
};

int32_t NumberOrMinusOne(StringView text, int32_t most) {
  int32_t value = 0;
  if (!TryStrToInt(String(text), value) || value > most)
    return -1;
  return value;
}

TStreamItem SplitStreamItem(const String &line) {
  TStreamItem item;
  const size_t first = line.find(kFieldSeparator);
  item.typed = line.substr(0, first);
  if (first == String::npos)
    return item;
  const size_t second = line.find(kFieldSeparator, first + 1);
  if (second == String::npos)
    return item;
  const StringView view(line);
  item.hits = NumberOrMinusOne(view.substr(first + 1, second - first - 1),
                               std::numeric_limits<int32_t>::max());
  item.language = NumberOrMinusOne(view.substr(second + 1), std::numeric_limits<int16_t>::max());
  return item;
}

// Every item of the stream, or false with nothing read into items when the count or an item is
// damaged. Items are read whole before any is added, so a damaged stream changes nothing.
bool ReadStreamItems(TStream &stream, std::vector<TStreamItem> &items) {
  try {
    int32_t n = 0;
    if (ReadFully(stream, &n, sizeof n) != sizeof n || n < 0)
      return false;
    const int64_t left = BytesLeft(stream);
    if (left >= 0 && n > left / kSmallestItemBytes)
      return false;
    items.reserve(static_cast<size_t>(left >= 0 ? n : std::min(n, 4096)));
    // An item is as long as its typed text: no limit but the bytes the stream holds, which the
    // string reader checks before it allocates.
    for (int32_t i = 0; i < n; ++i)
      items.push_back(SplitStreamItem(ReadAString(stream, std::numeric_limits<int32_t>::max())));
    return true;
  } catch (const EStreamError &) {
    items.clear();
    return false;
  }
}

} // namespace

bool TBaseSearchItems::LoadFromFile(const String &filename, int32_t count) {
  TStringList lines;
  try {
    lines.LoadFromFile(filename);
  } catch (const Exception &) {
    return false;
  }
  // The items are gathered in a fresh list and kept only when the file gave some, so that a file
  // without search words leaves the list as it was.
  std::unique_ptr<TSWList> previous = std::exchange(fSearchWordList, std::make_unique<TSWList>());
  bool found = false;
  try {
    for (int32_t i = 0; i < lines.Count(); ++i)
      if (!lines.Strings(i).empty() && !AddedSearchWords(lines.Strings(i), count).empty())
        found = true;
  } catch (...) {
    fSearchWordList = std::move(previous);
    throw;
  }
  if (!found) {
    fSearchWordList = std::move(previous);
    return false;
  }
  fFrom_a_file = true;
  return true;
}

bool TBaseSearchItems::SaveToFile(const String &filename) const {
  TStringList lines;
  for (int32_t i = 0; i < Count(); ++i)
    lines.Add(fSearchWordList->Holder(i)->fData.typed_in_text);
  try {
    lines.SaveToFile(filename, TEncoding::Unicode());
  } catch (const Exception &) {
    return false;
  }
  return true;
}

bool TBaseSearchItems::ReadFromStream(TStream &stream) {
  std::vector<TStreamItem> items;
  if (!ReadStreamItems(stream, items))
    return false;
  std::vector<int32_t> indices;
  for (const TStreamItem &item : items) {
    fAddedSearchWordsIndices(item.typed, indices);
    for (int32_t i : indices) {
      TSearch_word_format_rec &rec = fSearchWordList->Holder(i)->fData;
      if (item.hits >= 0)
        rec.hits_found = item.hits;
      if (item.language >= 0)
        rec.Langnum = static_cast<int16_t>(item.language);
    }
  }
  return true;
}

bool TBaseSearchItems::SaveToStream(TStream &stream) const {
  try {
    const int32_t n = Count();
    stream.WriteBuffer(&n, sizeof n);
    for (int32_t i = 0; i < n; ++i) {
      const TSearch_word_format_rec &rec = fSearchWordList->Holder(i)->fData;
      WriteAString(stream, rec.typed_in_text + kFieldSeparator + IntToStr(rec.hits_found) +
                               kFieldSeparator + IntToStr(rec.Langnum));
    }
  } catch (const EStreamError &) {
    return false;
  }
  return true;
}

} // namespace textcore
