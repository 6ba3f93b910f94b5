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

// The operators of one item: its edge markers become flags; quoted literal symbols are set
// aside; lone asterisks, "^", "#", "*", "?", "}}}", the line-break symbol at either end and
// paired markup become their codes; {CHR(n)} and #-codes become characters; the literals are put
// back bare. contains_a_tag tells whether a markup pair was complete.
void Parse_SWChunk(const TIgnore_tag_type &tags, bool &contains_a_tag, String &text,
                   TMySearchFlags &flags);

// Parses one typed item into rec (cleared first): a " context:=" marker with a word after it
// gives the item's own context word; the rest goes through Parse_SWChunk and is trimmed of white
// space into search_text; ambiguous tells that the item had operators.
void Parsed_SearchWord(const TIgnore_tag_type &tags, const String &text,
                       TSearch_word_format_rec &rec);

// A record for text taken literally: the edge markers become flags, nothing else is translated.
void UnParsed_SearchWord(const String &text, TSearch_word_format_rec &rec);

} // namespace textcore
