// The shared vocabulary of the lemma, match, stop and relation lists that tools apply to search
// results: the kinds of list, the messages that name their files and processes, the entry
// records the tools hand to their callbacks, and the callback types.
#pragma once

#include "core/fixed_char_arrays.h"
#include "messages/message.h"
#include "messages/message_names.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <functional>

namespace textcore {

enum TLemmaMatchStopOptions : uint8_t { as_lemma, as_match, as_stop, as_relation };
using TLemmaMatchStopArray = std::array<bool, 4>;

// "lemmas file %s" and its kin, indexed by TLemmaMatchStopOptions. They are messages, so a loaded
// translation shows through without any start-up copying.
inline constexpr std::array<TMessage, 4> LemmaMatchStopFiles = {
    _QMLemmaFileS, _QMMatchListFileS, _QMStopListFileS, _QMRelationListFileS};
// "lemmas", "match list", "stop list", "relation list".
inline constexpr std::array<TMessage, 4> LemmaMatchStopnames_of_processes = {
    _QMLemmas, _QMMatchList, _QMStopList, _QMRelationList};

// The file message of option with filename put in its place, e.g. "stop list file x.txt". An
// option outside the enumeration gives ''.
String LemmaMatchStopFileTypeStr(TLemmaMatchStopOptions option, StringView filename);

struct TLemmaEntryRec {
  void *variantp = nullptr;      // the variant forms
  char16_t *headwordp = nullptr; // the NUL-terminated headword
};
using PLemmaEntryRec = TLemmaEntryRec *;

struct TMatchEntryRec {
  void *searchp = nullptr; // the entry's search data
};
using PMatchEntryRec = TMatchEntryRec *;
using PStopEntryRec = TMatchEntryRec *;

using THandleLemmaProc = std::function<void(const TLemmaEntryRec &entry, bool in_unicode,
                                            int32_t this_, int32_t out_of)>;
using THandleMatchProc = std::function<void(const TMatchEntryRec &entry, bool in_unicode,
                                            int32_t this_, int32_t out_of)>;
using THandleStopProc = std::function<void(const TMatchEntryRec &entry, bool in_unicode,
                                           int32_t this_, int32_t out_of)>;
using TShowSomeProgressProc = std::function<void(int32_t n)>;
using TAnnounceNumberAndMessageProc = std::function<void(int32_t n, const hundredwidechar &mess)>;

// Left for the tools: set when a list file must be read again.
extern bool file_reload;

} // namespace textcore
