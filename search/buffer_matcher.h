// The buffer matcher: finds the first hit of one parsed search word (a work string) in a text
// buffer, honouring word boundaries, wildcards, case alternatives and markup, and counts words,
// sentences, paragraphs, headings and sections on the way so that the caller can say where a hit
// lies. It is the innermost loop of every concordance.
//
// The text is 16-bit code units (wide) or 8-bit characters compared by byte value with the 16-bit
// pattern. Beside it runs the class array: one class word per text character at the same index
// (see buffer_matcher_classes.h), with at least one entry past the examined range; class_end is
// the address just past the last valid entry.
//
// The matcher allocates nothing, raises nothing and calls out only to the four structure
// procedures. It reads text characters only inside the examined range and class words only in
// [class_start, class_end): one entry past the range decides a word start or a right boundary, and
// a hit that is not right-bounded is extended over the rest of its word up to class_end.
//
// Pattern operators (below U+0020) and what they match here:
//   U+001A  one word: a non-white character and every following one up to white space
//   U+001D  "*" inside a word: one or more characters that are neither spaces nor control
//           characters; before a pattern space, the rest of the word (possibly nothing)
//   U+001E  one letter;  U+001C  one character that is not white;  U+001B  one or more digits
//           (U+001E and U+001C before a pattern space match nothing at a separator)
//   space   a run of white characters, or of separators when punctuation_is_space is set;
//           without it a single punctuation character also stands for the space
//   U+0019 / U+0018 open and close tag mode, in which markup characters are matched as text.
// Outside tag mode a hit never starts inside markup, and markup met inside a hit is skipped and
// counted in the hit length. Nothing beyond the examined range is matched: a pattern that is not
// used up by the last character of the range fails there.
#pragma once

#include "platform/strings.h"
#include "search/search_stats_rec.h"

#include <cstdint>

namespace textcore {

// The first character of the first hit at or after text, or null (also for pattern_length 0).
// alternative1 and alternative2 are the upper- and title-case copies of the pattern, compared at
// the same index unless case_sensitive; a copy shorter than the pattern is not used. Only the
// first pattern_length characters of the pattern are used. hit_length covers the hit after
// extension over the rest of its word (when not right_bounded, markup inside included),
// exact_hit_length what the pattern itself matched; both are 0 when there is no hit and a hit
// never grows beyond 65,535 characters. stats and in_heading carry the counts from call to call;
// each ignore flag switches off the optional structure code (14, 16, 18, 20) of its unit.
// not_read is accepted for callers that pass it and is not used.
const void *NewFindWantedInBuffer(
    const void *text, int32_t length, const uint16_t *class_ptr, const uint16_t *class_start,
    const uint16_t *class_end, const String &alternative1, const String &pattern,
    const String &alternative2, uint16_t pattern_length, bool case_sensitive, bool left_bounded,
    bool right_bounded, bool wide, bool punctuation_is_space, bool not_read, uint16_t &hit_length,
    uint16_t &exact_hit_length, TSearchStatsRec &stats, bool &in_heading, bool ignore_sentence_code,
    bool ignore_paragraph_code, bool ignore_heading_code, bool ignore_section_code);

} // namespace textcore
