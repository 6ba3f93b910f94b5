// The quick word list. Counts ride in the object slots as integers, as the framework's lists
// carried them, so the list must never try to free them.
#include "strings/word_frequency_list.h"

#include "platform/exceptions.h"
#include "platform/nls_char_types.h"

#include <cstdint>

namespace textcore {

namespace {

void CountWord(TStringList &list, const String &word) {
  int32_t index = 0;
  if (list.Find(word, index))
    list.PutObject(index, IntegerAsObject(WordFrequencyOf(list, index) + 1));
  else
    list.AddObject(word, IntegerAsObject(1));
}

int DescendingCount(TStringList *list, int32_t index1, int32_t index2) {
  const int32_t a = WordFrequencyOf(*list, index1), b = WordFrequencyOf(*list, index2);
  return a > b ? -1 : a < b ? 1 : 0;
}

} // namespace

int32_t WordFrequencyOf(const TStringList &list, int32_t index) {
  return ObjectAsInteger(list.Objects(index));
}

void SimpleWordListDescendingFreqOrder(StringView text, TStringList &list, int32_t min_length) {
  if (list.OwnsObjects())
    throw EStringListError(u"A word frequency list cannot own objects: it keeps counts in them");
  list.SetSorted(true);
  const uint8_t *properties = UnicodePropertyTable();
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    const bool letter =
        i < text.size() && IsLetterOrDigitCategory(properties[text[i]] & kUnicodeCategoryMask);
    if (letter)
      continue;
    if (i > start && static_cast<int64_t>(i - start) >= min_length)
      CountWord(list, String(text.substr(start, i - start)));
    start = i + 1;
  }
  list.SetSorted(false);
  list.CustomSort(DescendingCount);
}

} // namespace textcore
