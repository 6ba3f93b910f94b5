// The simple-search list: plain words with their edge flags and the number of hits wanted, which
// the rich-text colouring routine looks for. It can be read from a file of lines "word=count".
#pragma once

#include "platform/object.h"
#include "search/search_word_format.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace textcore {

class TStream;

// Carried with every list for the colouring routine that consumes it.
struct TSimpleSearchSettings {
  int32_t wordcount_multiplier = 0;
  int32_t markup_search_span = 0;
};
TSimpleSearchSettings DefaultSimpleSearchSettings();

struct TSimpleSearch_rec {
  String seek; // the text sought, flag markers removed
  int32_t n_wanted = 0;
  TMySearchFlags flags;
};

class TSimpleSearchHolder : public TObject {
public:
  explicit TSimpleSearchHolder(const TSimpleSearch_rec &rec) : fData(rec) {}
  TSimpleSearch_rec fData;
};

class TSimpleSearchlist : public TObject {
public:
  explicit TSimpleSearchlist(const TSimpleSearchSettings &settings);
  TSimpleSearchlist(const TSimpleSearchlist &) = delete;
  TSimpleSearchlist &operator=(const TSimpleSearchlist &) = delete;

  int32_t Count() const { return static_cast<int32_t>(fItems.size()); }
  const TSimpleSearchSettings &Settings() const { return fSettings; }
  void SetSettings(const TSimpleSearchSettings &settings) { fSettings = settings; }

  // The index of the new holder.
  int32_t AddOne(const TSimpleSearch_rec &rec);
  // Takes other's settings and appends a copy of each of its records (other may be this list);
  // returns the sum of the new indices.
  int32_t AddAll(const TSimpleSearchlist &other);
  void Clear();
  // A copy of record i; an all-zero record when i is out of range.
  TSimpleSearch_rec GetAValue(int32_t i) const;
  // The typed form of record i (SWStringPlusFlags); empty when i is out of range.
  String GetATypedInSW(int32_t i) const;
  // The seek texts joined by separator.
  String AsText(StringView separator) const;

  // Replaces the list with the lines "word=count" of a text file (a byte-order mark decides the
  // encoding, else the system's 8-bit code page). Each word is upper-cased and its edge markers
  // become flags; the count is at least 1. Lines without a word are skipped. False, with the list
  // empty, when the file is missing or cannot be read as a regular file.
  bool LoadFromFile(const String &filename);
  // The same for text read from the rest of stream; raises what the stream raises.
  void LoadFromStream(TStream &stream);

private:
  void AddLine(const String &line);

  TSimpleSearchSettings fSettings;
  std::vector<std::unique_ptr<TSimpleSearchHolder>> fItems;
};

} // namespace textcore
