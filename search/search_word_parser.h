// From a user's typed search-word list to parsed search-word records.
//
// SplitSWList cuts the list into items at "/"; Parsed_SearchWord turns one item into a record
// whose search_text is a work string (operators as codes below U+0020), with its flags, context
// word and markup; UnParsed_SearchWord takes an item literally, reading only its edge markers.
#pragma once

#include "platform/string_list.h"
#include "search/search_word_format.h"

#include <memory>

namespace textcore {

// The items of text, which is consumed (left empty). With split, a "/" separates items unless it
// is the first or last character, touches a double quotation mark (a quoted literal slash) or is
// followed by a backslash (the line-break symbol). Items are not trimmed.
std::unique_ptr<TStringList> SplitSWList(String &text, bool split);

// Fills the case copies of rec from its search_text, each the same length as it: the upper- and
// lower-case forms and the title form (the first character of the upper form, the rest of the
// lower), so that the matcher can compare them position by position.
void FillSearchWordCopies(TSearch_word_format_rec &rec);

// A record for text taken literally: the edge markers become flags, nothing else is translated.
void UnParsed_SearchWord(const String &text, TSearch_word_format_rec &rec);

} // namespace textcore
