// TBaseSearchItems: one list of parsed search words (the words sought, context words, exclusion
// words or tag-context words) with their hit counts, which can be saved to and read from a text
// file and a stream.
//
// Adding a typed search-word list splits it into items (at "/" when SplittingAtSlashes), parses
// each (or takes it literally when FormatPreChecked) and adds those not there yet. The indices
// given back run in reverse order of typing, an item typed twice is added once, and an item that
// was there already keeps its settings.
//
// Item access by index: getters give zero, false or an all-zero record for an index outside the
// list and most setters ignore one; SetAutoLemmaAdded, SetHitsFound, SetLanguage and SetNToFind
// raise EListError for one, since a caller that names a missing item has lost track of the list.
//
// The text file is UTF-16 little-endian with the mark FF FE, one typed item per line, lines
// ended by CR LF. The stream form is a signed 32-bit count, then per item the string encoding of
// "typed item" TAB "hits_found" TAB "Langnum" (decimal).
#pragma once

#include "platform/string_list.h"
#include "search/search_word_format.h"
#include "search/simple_search.h"
#include "search/sw_list.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace textcore {

class TStream;

class TBaseSearchItems : public TObject {
public:
  TBaseSearchItems();
  TBaseSearchItems(const TIgnore_tag_type &tags, uint32_t LCID, bool split);
  ~TBaseSearchItems() override;
  TBaseSearchItems(const TBaseSearchItems &) = delete;
  TBaseSearchItems &operator=(const TBaseSearchItems &) = delete;

  // Adds the items of a typed search-word list; indices receives the index of each (see above).
  virtual void fAddedSearchWordsIndices(const String &text, std::vector<int32_t> &indices);
  std::vector<int32_t> AddedSearchWords(const String &text);
  // The same, stamping every item given back with its Langnum, its auto_lemma_added or its
  // n_to_find.
  std::vector<int32_t> AddedSearchWords(const String &text, int16_t language);
  std::vector<int32_t> AddedSearchWords(const String &text, bool flag);
  std::vector<int32_t> AddedSearchWords(const String &text, int32_t count);
  // Adds like AddedSearchWords(text, flag), then moves every item typed (new or already there) to
  // the top, in the order of the indices given back; the other items keep their order below
  // them. indices receives the typed items' new indices.
  void InsertSearchWordsAtTop(const String &text, bool flag, std::vector<int32_t> &indices);

  // Appends a copy of rec; its index.
  int32_t AddOneSW(const TSearch_word_format_rec &rec);
  // The item with rec's typed_in_text and Langnum, or -1.
  int32_t IndexOf(const TSearch_word_format_rec &rec) const;
  int32_t EnsureContains(const TSearch_word_format_rec &rec);
  // The first item typed exactly as text (case matters), or -1. Yields once per item examined.
  int32_t TypeInIndexOf(const String &text) const;
  // A new list of the items of text, runs of spaces collapsed, split as this list splits.
  std::unique_ptr<TStringList> TypeInParts(const String &text) const;

  int32_t Count() const { return fSearchWordList->Count(); }
  // Empties both lists and clears FromAFile.
  void Clear();
  // Frees item i and closes the gap; ignored when i is outside the list.
  void ClearOne(int32_t i);
  // Moves item i to position 0 when 0 < i < Count().
  void MoveToTop(int32_t i);

  TSearch_word_format_rec GetSWR(int32_t i) const;
  void PutSWR(int32_t i, const TSearch_word_format_rec &rec);
  // The held record, or null; valid until the item is freed.
  TSearch_word_format_rec *GetPtr(int32_t i) const;
  TMySearchFlags GetAFlag(int32_t i) const;
  void SetAFlag(int32_t i, TMySearchFlags flags);
  bool GetAutoLemmaAdded(int32_t i) const;
  void SetAutoLemmaAdded(int32_t i, bool value);
  int32_t GetHitsFound(int32_t i) const;
  void SetHitsFound(int32_t i, int32_t value);
  // hits_found + 1, staying at the largest count rather than wrapping.
  void IncrementHits(int32_t i);
  int16_t GetLanguage(int32_t i) const;
  void SetLanguage(int32_t i, int16_t value);
  int32_t GetNToFind(int32_t i) const;
  void SetNToFind(int32_t i, int32_t value);
  bool GetSearchFound(int32_t i) const;
  void SetSearchFound(int32_t i, bool value);
  int32_t GetSpacesInSW(int32_t i) const;

  void ClearHits();
  // hits_found of item i := hits[i], for i below the smaller of the two counts.
  void SetHits(const std::vector<int32_t> &hits);
  // The sum of hits_found, held within the 32-bit range.
  int32_t TotalHits() const;
  // A copy of each item named; a negative index gives an all-zero record, one at or past Count()
  // raises EListError.
  std::vector<TSearch_word_format_rec> ArrayOFSWItems(const std::vector<int32_t> &indices) const;
  // The typed items joined by "/"; with limit, only the first ten, followed by " etc." when
  // there are more.
  String AllTypedSearchWordsAsOne(bool limit) const;
  // Refills the simple-search list from the items (markers read off as flags, one hit wanted
  // each) and returns it; it stays this object's.
  TSimpleSearchlist *ComputePlainSearchWords();

  // Replaces the items with those of the lines of a text file (a byte-order mark decides the
  // encoding), each with n_to_find = count; true, and FromAFile set, when some line gave an item.
  // A file that cannot be read, or that holds no search word, gives false and leaves the list and
  // FromAFile as they were.
  bool LoadFromFile(const String &filename, int32_t count);
  // Replaces the file through a temporary sibling; false when it cannot be written.
  bool SaveToFile(const String &filename) const;
  // Adds the items of a stream to those held, with their hits and languages. A damaged count or
  // item gives false and leaves the list as it was.
  bool ReadFromStream(TStream &stream);
  // False when the stream fails.
  bool SaveToStream(TStream &stream) const;

  bool SplittingAtSlashes() const { return fSplitting_at_slashes; }
  void SetSplittingAtSlashes(bool value) { fSplitting_at_slashes = value; }
  bool FormatPreChecked() const { return fFormatPreChecked; }
  void SetFormatPreChecked(bool value) { fFormatPreChecked = value; }
  bool FromAFile() const { return fFrom_a_file; }
  void SetFromAFile(bool value) { fFrom_a_file = value; }
  uint32_t TheLCID() const { return fLCID; }
  void SetTheLCID(uint32_t value) { fLCID = value; }
  TSimpleSearchlist *PlainSearchWordsComputed() { return ComputePlainSearchWords(); }

  TIgnore_tag_type ignore_tags{};

protected:
  std::unique_ptr<TSimpleSearchlist> fPlainSWS;
  int32_t fCurrentSearch = 0; // kept for callers; the list does not use it
  std::unique_ptr<TSWList> fSearchWordList;
  uint32_t fLCID = 0;
  bool fSplitting_at_slashes = false;
  bool fFormatPreChecked = false;
  bool fFrom_a_file = false;

private:
  TSearch_word_format_rec RecordOfItem(const String &item) const;
  // The record at i for a setter that must not ignore a missing item.
  TSearch_word_format_rec &CheckedRecord(int32_t i) const;
};

} // namespace textcore
