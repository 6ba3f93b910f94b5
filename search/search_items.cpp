// TBaseSearchItems: adding typed search words, finding and moving items.
#include "search/search_items.h"

#include "core/logging_utilities.h"
#include "core/yield.h"
#include "search/search_word_parser.h"
#include "strings/white_space.h"

#include <algorithm>

namespace textcore {

TBaseSearchItems::TBaseSearchItems()
    : fPlainSWS(std::make_unique<TSimpleSearchlist>(DefaultSimpleSearchSettings())),
      fSearchWordList(std::make_unique<TSWList>()) {}

TBaseSearchItems::TBaseSearchItems(const TIgnore_tag_type &tags, uint32_t LCID, bool split)
    : TBaseSearchItems() {
  ignore_tags = tags;
  fLCID = LCID;
  fSplitting_at_slashes = split;
}

TBaseSearchItems::~TBaseSearchItems() = default;

TSearch_word_format_rec TBaseSearchItems::RecordOfItem(const String &item) const {
  TSearch_word_format_rec rec;
  if (fFormatPreChecked)
    UnParsed_SearchWord(item, rec);
  else
    Parsed_SearchWord(ignore_tags, item, rec);
  return rec;
}

void TBaseSearchItems::fAddedSearchWordsIndices(const String &text, std::vector<int32_t> &indices) {
  std::unique_ptr<TStringList> items = TypeInParts(text);
  indices.clear();
  for (int32_t i = items->Count() - 1; i >= 0; --i) {
    const String &item = items->Strings(i);
    TSearch_word_format_rec rec = RecordOfItem(item);
    if (keeping_log)
      AddToLogFile(u"\"" + item + u"\" = \"" + rec.search_text + u"\"", true);
    if (rec.search_text.empty())
      continue;
    int32_t index = TypeInIndexOf(rec.typed_in_text);
    if (index < 0)
      index = AddOneSW(rec);
    indices.push_back(index);
  }
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const String &text) {
  std::vector<int32_t> indices;
  fAddedSearchWordsIndices(text, indices);
  return indices;
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const String &text, int16_t language) {
  std::vector<int32_t> indices = AddedSearchWords(text);
  for (int32_t i : indices)
    fSearchWordList->Holder(i)->fData.Langnum = language;
  return indices;
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const String &text, bool flag) {
  std::vector<int32_t> indices = AddedSearchWords(text);
  for (int32_t i : indices)
    fSearchWordList->Holder(i)->fData.auto_lemma_added = flag;
  return indices;
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const String &text, int32_t count) {
  std::vector<int32_t> indices = AddedSearchWords(text);
  for (int32_t i : indices)
    fSearchWordList->Holder(i)->fData.n_to_find = count;
  return indices;
}

void TBaseSearchItems::InsertSearchWordsAtTop(const String &text, bool flag,
                                              std::vector<int32_t> &indices) {
  indices = AddedSearchWords(text, flag);
  // Every item just typed goes to the top, a re-typed one included, so that the list shows
  // what the user typed last first. They are placed in the order of the returned indices all
  // at once: moving them one by one would shift the items moved before, and the indices
  // returned would name the wrong items. An item typed twice is named twice.
  std::vector<int32_t> typed;
  for (int32_t i : indices)
    if (std::find(typed.begin(), typed.end(), i) == typed.end())
      typed.push_back(i);
  const std::vector<int32_t> new_index = fSearchWordList->BringToTop(typed);
  for (int32_t &i : indices)
    i = new_index[static_cast<size_t>(i)];
}

int32_t TBaseSearchItems::AddOneSW(const TSearch_word_format_rec &rec) {
  return fSearchWordList->AddRecord(rec);
}

int32_t TBaseSearchItems::IndexOf(const TSearch_word_format_rec &rec) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const TSearch_word_format_rec &held = fSearchWordList->Holder(i)->fData;
    if (held.typed_in_text == rec.typed_in_text && held.Langnum == rec.Langnum)
      return i;
  }
  return -1;
}

int32_t TBaseSearchItems::EnsureContains(const TSearch_word_format_rec &rec) {
  const int32_t index = IndexOf(rec);
  return index >= 0 ? index : AddOneSW(rec);
}

int32_t TBaseSearchItems::TypeInIndexOf(const String &text) const {
  for (int32_t i = 0; i < Count(); ++i) {
    MyYieldProcess();
    if (fSearchWordList->Holder(i)->fData.typed_in_text == text)
      return i;
  }
  return -1;
}

std::unique_ptr<TStringList> TBaseSearchItems::TypeInParts(const String &text) const {
  String collapsed = StrippedDoubleSpaces(text);
  return SplitSWList(collapsed, fSplitting_at_slashes);
}

void TBaseSearchItems::Clear() {
  fPlainSWS->Clear();
  fSearchWordList->Clear();
  fFrom_a_file = false;
}

void TBaseSearchItems::ClearOne(int32_t i) {
  if (i >= 0 && i < Count())
    fSearchWordList->Delete(i);
}

void TBaseSearchItems::MoveToTop(int32_t i) {
  if (i > 0 && i < Count())
    fSearchWordList->Move(i, 0);
}

} // namespace textcore
