// TBaseSearchItems: the fields of one item by index, the hit counts and the joined forms.
#include "search/search_items.h"

#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "search/search_word_flags.h"

#include <algorithm>
#include <limits>

namespace textcore {

TSearch_word_format_rec &TBaseSearchItems::CheckedRecord(int32_t i) const {
  if (i < 0 || i >= Count())
    throw EListError(u"Search-word item index out of bounds (" + IntToStr(i) + u" of " +
                     IntToStr(Count()) + u")");
  return fSearchWordList->Holder(i)->fData;
}

TSearch_word_format_rec TBaseSearchItems::GetSWR(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr ? *rec : TSearch_word_format_rec{};
}

void TBaseSearchItems::PutSWR(int32_t i, const TSearch_word_format_rec &rec) {
  if (TSearch_word_format_rec *held = GetPtr(i))
    *held = rec;
}

TSearch_word_format_rec *TBaseSearchItems::GetPtr(int32_t i) const {
  return fSearchWordList->RecordOrNull(i);
}

TMySearchFlags TBaseSearchItems::GetAFlag(int32_t i) const { return GetSWR(i).flags; }

void TBaseSearchItems::SetAFlag(int32_t i, TMySearchFlags flags) {
  if (TSearch_word_format_rec *held = GetPtr(i))
    held->flags = flags;
}

bool TBaseSearchItems::GetAutoLemmaAdded(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr && rec->auto_lemma_added;
}

void TBaseSearchItems::SetAutoLemmaAdded(int32_t i, bool value) {
  CheckedRecord(i).auto_lemma_added = value;
}

int32_t TBaseSearchItems::GetHitsFound(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr ? rec->hits_found : 0;
}

void TBaseSearchItems::SetHitsFound(int32_t i, int32_t value) {
  CheckedRecord(i).hits_found = value;
}

void TBaseSearchItems::IncrementHits(int32_t i) {
  if (TSearch_word_format_rec *held = GetPtr(i))
    if (held->hits_found < std::numeric_limits<int32_t>::max())
      ++held->hits_found;
}

int16_t TBaseSearchItems::GetLanguage(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr ? rec->Langnum : int16_t{0};
}

void TBaseSearchItems::SetLanguage(int32_t i, int16_t value) { CheckedRecord(i).Langnum = value; }

int32_t TBaseSearchItems::GetNToFind(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr ? rec->n_to_find : 0;
}

void TBaseSearchItems::SetNToFind(int32_t i, int32_t value) { CheckedRecord(i).n_to_find = value; }

bool TBaseSearchItems::GetSearchFound(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr && rec->achou_suficiente;
}

void TBaseSearchItems::SetSearchFound(int32_t i, bool value) {
  if (TSearch_word_format_rec *held = GetPtr(i))
    held->achou_suficiente = value;
}

int32_t TBaseSearchItems::GetSpacesInSW(int32_t i) const {
  const TSearch_word_format_rec *rec = GetPtr(i);
  return rec != nullptr ? rec->spaces_in_sw : 0;
}

void TBaseSearchItems::ClearHits() {
  for (int32_t i = 0; i < Count(); ++i)
    fSearchWordList->Holder(i)->fData.hits_found = 0;
}

void TBaseSearchItems::SetHits(const std::vector<int32_t> &hits) {
  const int32_t n =
      std::min(Count(), static_cast<int32_t>(std::min<size_t>(hits.size(), INT32_MAX)));
  for (int32_t i = 0; i < n; ++i)
    fSearchWordList->Holder(i)->fData.hits_found = hits[static_cast<size_t>(i)];
}

int32_t TBaseSearchItems::TotalHits() const {
  int64_t total = 0;
  for (int32_t i = 0; i < Count(); ++i) {
    total += fSearchWordList->Holder(i)->fData.hits_found;
    total = std::clamp<int64_t>(total, INT32_MIN, INT32_MAX);
  }
  return static_cast<int32_t>(total);
}

std::vector<TSearch_word_format_rec>
TBaseSearchItems::ArrayOFSWItems(const std::vector<int32_t> &indices) const {
  std::vector<TSearch_word_format_rec> records(indices.size());
  for (size_t k = 0; k < indices.size(); ++k)
    if (indices[k] >= 0)
      records[k] = CheckedRecord(indices[k]);
  return records;
}

String TBaseSearchItems::AllTypedSearchWordsAsOne(bool limit) const {
  constexpr int32_t shown_when_limited = 10;
  const int32_t n = limit ? std::min(Count(), shown_when_limited) : Count();
  // Appended in place, with the rule of AddToListWithSeparatorIfNeeded (no separator while the
  // joined text is still empty), so that a long list is not copied once per item.
  String joined;
  for (int32_t i = 0; i < n; ++i) {
    if (!joined.empty())
      joined += u'/';
    joined += fSearchWordList->Holder(i)->fData.typed_in_text;
  }
  if (n < Count())
    joined += u" " + String(_QMEtc.Text());
  return joined;
}

TSimpleSearchlist *TBaseSearchItems::ComputePlainSearchWords() {
  fPlainSWS->Clear();
  for (int32_t i = 0; i < Count(); ++i) {
    TSimpleSearch_rec plain;
    plain.seek = fSearchWordList->Holder(i)->fData.typed_in_text;
    plain.flags = FlagsFromSW(plain.seek);
    plain.n_wanted = 1;
    fPlainSWS->AddOne(plain);
  }
  return fPlainSWS.get();
}

} // namespace textcore
