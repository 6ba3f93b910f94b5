// Splitting a typed search-word list and parsing its items.
#include "search/search_word_parser.h"

#include "platform/nls_case.h"
#include "platform/utf.h"
#include "search/search_word_flags.h"
#include "search/search_word_syntax.h"
#include "strings/readable_escapes.h"
#include "strings/white_space.h"

#include <iterator>
#include <vector>

namespace textcore {

namespace {

bool IsSeparatorSlash(const String &text, size_t i) {
  return text[i] == u'/' && text[i - 1] != u'"' && text[i + 1] != u'"' && text[i + 1] != u'\\';
}

} // namespace

std::unique_ptr<TStringList> SplitSWList(String &text, bool split) {
  auto items = std::make_unique<TStringList>();
  size_t start = 0;
  if (split) {
    // Positions are relative to the current item's start: never its first or its last character.
    for (size_t i = 1; start + i + 1 < text.size();) {
      size_t at = start + i;
      if (IsSeparatorSlash(text, at)) {
        items->Add(text.substr(start, i));
        start = at + 1;
        i = 1;
      } else {
        ++i;
      }
    }
  }
  if (start < text.size())
    items->Add(text.substr(start));
  text.clear();
  return items;
}

void FillSearchWordCopies(TSearch_word_format_rec &rec) {
  const String &text = rec.search_text;
  rec.copies[unchanged_copy] = text;
  rec.copies[upper_copy] = LCMapCase(LOCALE_INVARIANT, text, LCMAP_UPPERCASE);
  rec.copies[lower_copy] = LCMapCase(LOCALE_INVARIANT, text, LCMAP_LOWERCASE);
  rec.copies[title_copy].clear();
  const String &upper = rec.copies[upper_copy];
  if (upper.empty())
    return;
  // The first character whole, even when it is a surrogate pair.
  size_t first = upper.size() > 1 && IsHighSurrogate(upper[0]) && IsLowSurrogate(upper[1]) ? 2 : 1;
  rec.copies[title_copy] = upper.substr(0, first) + rec.copies[lower_copy].substr(first);
}

void UnParsed_SearchWord(const String &text, TSearch_word_format_rec &rec) {
  rec = TSearch_word_format_rec();
  rec.typed_in_text = text;
  String stripped = text;
  rec.flags = FlagsFromSW(stripped);
  rec.search_text = std::move(stripped);
  rec.ambiguous = rec.typed_in_text != rec.search_text;
  FillSearchWordCopies(rec);
}

namespace {

// One stretch of an item while it is parsed: plain text, or a quoted literal symbol (its index in
// literal_symbol_table). Keeping literals as separate pieces, instead of as stand-in characters
// inside the text, means that no character the user typed or wrote as a reference can be taken
// for a protected literal, and no literal can be taken for an operator.
struct ItemPiece {
  String text;
  int32_t literal = -1;
};
using ItemPieces = std::vector<ItemPiece>;

// Cuts the plain pieces at every occurrence of literal number index, left to right; the table's
// order decides between overlapping literals, as one replacement after another would.
void CutAtLiteral(ItemPieces &pieces, int32_t index) {
  const StringView literal = literal_symbol_table[index];
  ItemPieces cut;
  for (ItemPiece &piece : pieces) {
    if (piece.literal >= 0) {
      cut.push_back(std::move(piece));
      continue;
    }
    size_t done = 0;
    for (size_t at = piece.text.find(literal); at != String::npos;
         at = piece.text.find(literal, done)) {
      if (at > done)
        cut.push_back({piece.text.substr(done, at - done), -1});
      cut.push_back({String(), index});
      done = at + literal.size();
    }
    if (done < piece.text.size())
      cut.push_back({piece.text.substr(done), -1});
  }
  pieces = std::move(cut);
}

ItemPieces PiecesOf(const String &text) {
  ItemPieces pieces{{text, -1}};
  for (int32_t i = 0; i < literal_symbol_count; ++i)
    CutAtLiteral(pieces, i);
  return pieces;
}

std::vector<String *> PlainTexts(ItemPieces &pieces) {
  std::vector<String *> plain;
  for (ItemPiece &piece : pieces)
    if (piece.literal < 0)
      plain.push_back(&piece.text);
  return plain;
}

// The line-break symbol at the end of the item means a line end, at its start a line start;
// elsewhere it is sought as typed.
void TranslateLineBreaks(ItemPieces &pieces) {
  const StringView symbol = crlf_symbol_string;
  if (!pieces.empty() && pieces.back().literal < 0 &&
      StringView(pieces.back().text).ends_with(symbol)) {
    pieces.back().text.resize(pieces.back().text.size() - symbol.size());
    pieces.back().text.push_back(sw_line_end_code);
  }
  if (!pieces.empty() && pieces.front().literal < 0 &&
      StringView(pieces.front().text).starts_with(symbol))
    pieces.front().text.replace(0, symbol.size(), 1, sw_line_start_code);
}

String Joined(const ItemPieces &pieces) {
  String text;
  for (const ItemPiece &piece : pieces)
    text += piece.literal < 0 ? piece.text : LiteralSymbolBare(literal_symbol_table[piece.literal]);
  return text;
}

bool HasOperatorCode(StringView text) {
  for (char16_t c : text)
    if (c >= sw_any_word_code && c <= sw_tag_not_code)
      return true;
  return false;
}

constexpr char16_t context_marker[] = u" context:=";

} // namespace

void Parse_SWChunk(const TIgnore_tag_type &tags, bool &contains_a_tag, String &text,
                   TMySearchFlags &flags) {
  flags = FlagsFromSW(text);
  ItemPieces pieces = PiecesOf(text);
  std::vector<String *> plain = PlainTexts(pieces);
  for (String *piece : plain) {
    TranslateAnyWordSymbols(*piece);
    DoMainParse_Translates(*piece);
  }
  TranslateLineBreaks(pieces);
  contains_a_tag = ContainsPairedTagMarkup(tags, plain);
  for (String *piece : plain)
    *piece = QMFormattedReadableStringToWorkString(*piece);
  text = Joined(pieces);
}

void Parsed_SearchWord(const TIgnore_tag_type &tags, const String &text,
                       TSearch_word_format_rec &rec) {
  rec = TSearch_word_format_rec();
  rec.typed_in_text = text;
  String work = text;
  size_t marker = work.find(context_marker);
  if (marker != String::npos) {
    String context = work.substr(marker + std::size(context_marker) - 1);
    work.resize(marker);
    // A marker with nothing after it asks for no context word.
    if (!WideTrimSpaceOnly(context).empty()) {
      rec.has_file_based_context_word = true;
      rec.sw_context_needed = std::move(context);
    }
  }
  Parse_SWChunk(tags, rec.contains_a_tag, work, rec.flags);
  rec.search_text = WideTrimSpaceOnly(work);
  rec.ambiguous = rec.typed_in_text != rec.search_text || HasOperatorCode(rec.search_text);
  FillSearchWordCopies(rec);
}

} // namespace textcore
