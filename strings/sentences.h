// Sentence ends: which characters may end a sentence, where the next sentence end lies, and the
// splitting of a paragraph into sentences.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>

namespace textcore {

// "!", "." or "?", or a full stop, question or exclamation mark of another script.
bool IsPotentialSentenceTerminator(char16_t c);

// The 1-based position of the first potential terminator at or after from that comes after a
// letter or digit and is the last character or is followed by something other than a letter or
// digit; -1 if there is none. '3.5' and 'e.g' do not end at their dots.
int32_t EndOfSentence(int32_t from, StringView s);

// The sentences of paragraph, each trimmed, empty ones left out. A non-empty separator cuts the
// paragraph at every occurrence. Otherwise a sentence ends at punctuation (not a comma, colon,
// quote and the like) unless the next word starts in lower case or a digit follows a full stop;
// closing quotes and brackets right after the punctuation stay with the sentence. Tags of at most
// max_tag characters from "<" count as punctuation. The locale is that of the character classes.
std::unique_ptr<TStringList> SentencesFromParagraph(StringView paragraph, StringView separator,
                                                    LCID locale, int32_t max_tag);

} // namespace textcore
