#include "tools/qmark/saved_word_list.h"

#include "core/stream_codec.h"
#include "definitions/list_signature.h"
#include "lists/qm_int64_list.h"
#include "lists/two_strings_and_two_integers_list.h"

#include <limits>

namespace qmark {

using textcore::TStream;

namespace {

// The least bytes of a type's record: two 32-bit counts and two empty strings.
constexpr int64_t kLeastTypeBytes = 16;
constexpr int32_t kTotals = 2;

// The count at the stream's position, which is left where it was; -1 when four bytes do not come.
int64_t PeekCount(TStream &stream) {
  int32_t count = 0;
  const int64_t at = stream.Position();
  const bool whole = stream.Read(&count, 4) == 4;
  stream.Seek(at, textcore::soBeginning);
  return whole ? count : -1;
}

} // namespace

bool WordListBytes(const SavedWordList &list, std::string &bytes, std::string &reason) {
  constexpr int64_t kMost = std::numeric_limits<int32_t>::max();
  textcore::TQMInt64List totals;
  totals.AddOne(list.tokens);
  totals.AddOne(list.texts);
  textcore::T2StringsAnd2IntegersList types;
  for (const SavedWordType &type : list.types) {
    if (type.word.size() > static_cast<size_t>(textcore::global_string_safety_limit)) {
      reason = "a word of " + std::to_string(type.word.size()) +
               " characters is longer than a saved word list reads back (" +
               std::to_string(textcore::global_string_safety_limit) + ")";
      return false;
    }
    if (type.freq > kMost || type.texts > kMost || type.freq < 0 || type.texts < 0) {
      reason = "the frequency of '" + textcore::StringToUTF8(type.word) +
               "' is beyond what a saved word list holds (2,147,483,647)";
      return false;
    }
    types.AddOne(
        {static_cast<int32_t>(type.freq), static_cast<int32_t>(type.texts), type.word, {}});
  }
  textcore::TMemoryStream stream;
  textcore::TCheckSignature header;
  if (!textcore::DiskSignatureISOKForToolAndList(
          header, textcore::tt_wordlist, textcore::lt_word_list, stream, textcore::writing) ||
      !totals.SaveToStream(stream) || !types.SaveToStream(stream)) {
    reason = "the list could not be written";
    return false;
  }
  bytes.assign(reinterpret_cast<const char *>(stream.Memory()), static_cast<size_t>(stream.Size()));
  return true;
}

namespace {

bool ReadInto(TStream &stream, SavedWordList &list, std::string &reason) {
  try {
    const int64_t size = stream.Size();
    stream.Seek(0, textcore::soBeginning);
    textcore::TCheckSignature header;
    if (size <= textcore::kCheckSignatureSize ||
        !textcore::DiskSignatureISOKForToolAndList(
            header, textcore::tt_wordlist, textcore::lt_word_list, stream, textcore::reading)) {
      reason = "not a word list saved by qmark wordlist";
      return false;
    }
    // Counts are checked against the bytes left before a list reads them: a list makes as many
    // records as its count says.
    textcore::TQMInt64List totals;
    if (PeekCount(stream) != kTotals || !totals.ReadFromStream(stream) ||
        totals.Count() != kTotals) {
      reason = "the word list's totals are damaged";
      return false;
    }
    list.tokens = totals.GetAValue(0);
    list.texts = totals.GetAValue(1);
    const int64_t count = PeekCount(stream);
    if (count < 0 || count > (size - stream.Position() - 4) / kLeastTypeBytes) {
      reason = "the word list's count of types is more than its bytes hold";
      return false;
    }
    textcore::T2StringsAnd2IntegersList types;
    if (!types.ReadFromStream(stream) || list.tokens < 0 || list.texts < 0) {
      reason = "the word list is cut short or damaged";
      return false;
    }
    list.types.reserve(static_cast<size_t>(types.Count()));
    for (int32_t i = 0; i < types.Count(); ++i) {
      const textcore::T2StringsAnd2IntegersRec rec = types.GetTwoStringsAndInt(i);
      if (rec.int1 < 0 || rec.int2 < 0) {
        reason = "the word list holds a negative count";
        return false;
      }
      list.types.push_back({rec.s1, rec.int1, rec.int2});
    }
    return true;
  } catch (const std::exception &e) {
    reason = std::string("the word list is damaged: ") + e.what();
    return false;
  }
}

} // namespace

bool ReadWordList(TStream &stream, SavedWordList &list, std::string &reason) {
  list = {};
  reason.clear();
  // Refused whole: nothing of a damaged list is left behind.
  if (!ReadInto(stream, list, reason)) {
    list = {};
    return false;
  }
  return true;
}

} // namespace qmark
