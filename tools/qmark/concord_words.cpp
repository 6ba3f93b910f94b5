// Parsing the typed search words of qmark concord into the items the engine searches for.
#include "tools/qmark/concord_words.h"

#include "search/search_word_parser.h"

#include <algorithm>

namespace qmark {

using textcore::String;
using textcore::TSearch_word_format_rec;

namespace {

// A "/" that the list does not take as a separator, at the start or end of a word: a word typed
// as "lamb/", "/lamb" or "a//b". A line break, "/\" at either end, is meant as it is.
bool HasLiteralSlash(const String &word) {
  return (word.starts_with(u'/') && !word.starts_with(u"/\\")) || word.ends_with(u'/');
}

} // namespace

bool ConcordWords::Parse(const String &typed, textcore::LCID lcid, bool case_sensitive,
                         std::string &error, std::vector<std::string> &warnings) {
  fItems.Clear();
  fItems.SetSplittingAtSlashes(true);
  fItems.SetTheLCID(lcid);
  // The list drops items that parse to nothing without a word; the user should hear of them.
  const std::unique_ptr<textcore::TStringList> parts = fItems.TypeInParts(typed);
  for (int32_t i = 0; i < parts->Count(); ++i) {
    TSearch_word_format_rec rec;
    textcore::Parsed_SearchWord(fItems.ignore_tags, parts->Strings(i), rec);
    const std::string shown = textcore::StringToUTF8(parts->Strings(i));
    if (rec.search_text.empty()) {
      error = "search word '" + shown + "' has nothing to find";
      return false;
    }
    if (HasLiteralSlash(parts->Strings(i)))
      warnings.push_back("search word '" + shown +
                         "' is searched with its \"/\" as a character: a \"/\" at the start or "
                         "end of the words, or two together, does not separate words");
  }
  std::vector<int32_t> indices = fItems.AddedSearchWords(typed);
  if (indices.empty()) {
    error = "no search word given";
    return false;
  }
  // The list gives the items back last typed first.
  std::reverse(indices.begin(), indices.end());
  fSought.clear();
  fExcluded.clear();
  for (int32_t index : indices) {
    if (case_sensitive) {
      textcore::TMySearchFlags flags = fItems.GetAFlag(index);
      fItems.SetAFlag(index, flags.Include(textcore::myCaseIsSensitive));
    }
    TSearch_word_format_rec *rec = fItems.GetPtr(index);
    auto &kind = rec->flags.Contains(textcore::mySW_To_Avoid) ? fExcluded : fSought;
    if (std::find(kind.begin(), kind.end(), rec) == kind.end())
      kind.push_back(rec);
  }
  if (fSought.empty())
    error = "only exclusion words (~) given: name a word to search for too";
  return !fSought.empty();
}

} // namespace qmark
