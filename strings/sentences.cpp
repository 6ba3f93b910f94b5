// Sentence ends and the paragraph splitter. The splitter makes one character-type query for the
// whole paragraph and walks it once: its look-ahead cursors only move forward, so a long run of
// punctuation costs no more than any other text.
#include "strings/sentences.h"

#include "platform/nls_char_types.h"
#include "search/sentence_terminators.h"
#include "strings/character_types.h"

#include <algorithm>
#include <vector>

namespace textcore {

namespace {

bool IsSentenceTerminator(char16_t c) {
  return InSentenceTable(basic_sent_terminators, c) || InSentenceTable(other_sent_terminators, c);
}

// Other punctuation that never ends a sentence in Latin text.
bool IsLatinNonEnding(char16_t c) {
  switch (c) {
  case u'"':
  case u'#':
  case u'%':
  case u'&':
  case u'\'':
  case u'*':
  case u',':
  case u'/':
  case u':':
  case u';':
  case u'@':
  case u'\\':
  case 0x00A1: // inverted exclamation mark
  case 0x00B7: // middle dot
  case 0x00BF: // inverted question mark
    return true;
  default:
    return false;
  }
}

// Adds text[from, to) without the blanks and control characters around it (those up to the
// space, as Trim takes them), unless nothing else is left. The piece is built in scratch, whose
// buffer is reused from one sentence to the next.
void AddTrimmed(TStringList &list, StringView text, size_t from, size_t to, String &scratch) {
  while (from < to && text[from] <= u' ')
    ++from;
  while (to > from && text[to - 1] <= u' ')
    --to;
  if (from >= to)
    return;
  scratch.assign(text.substr(from, to - from));
  list.Add(scratch);
}

std::unique_ptr<TStringList> SplitAtSeparator(StringView paragraph, StringView separator) {
  auto list = std::make_unique<TStringList>();
  String scratch;
  size_t start = 0;
  for (size_t found; (found = paragraph.find(separator, start)) != StringView::npos;
       start = found + separator.size())
    AddTrimmed(*list, paragraph, start, found, scratch);
  AddTrimmed(*list, paragraph, start, paragraph.size(), scratch);
  return list;
}

// Tags: every run from a "<" up to the next ">" (or the end) of at most max_tag characters is
// punctuation alone, neither letters nor spaces. Runs sharing a ">" nest, so each flag is
// rewritten at most once.
void MarkShortTags(StringView text, int32_t max_tag, std::vector<uint16_t> &flags) {
  size_t close = 0, marked_until = 0;
  bool have_close = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'<')
      continue;
    if (!have_close || close < i) {
      close = std::min(text.find(u'>', i), text.size());
      have_close = true;
    }
    if (static_cast<int64_t>(close - i) > max_tag)
      continue;
    for (size_t j = std::max(i, marked_until); j < close; ++j)
      flags[j] = C1_PUNCT;
    marked_until = std::max(marked_until, close);
  }
}

// The first index at or after from whose flags meet mask; the flags end with an alpha entry, so
// a search for alpha or digit always stops.
size_t NextWith(const std::vector<uint16_t> &flags, size_t from, uint16_t mask) {
  while (from < flags.size() && !(flags[from] & mask))
    ++from;
  return from;
}

class ParagraphSplitter {
public:
  ParagraphSplitter(StringView text, std::vector<uint16_t> &&flags)
      : fText(text), fFlags(std::move(flags)) {}

  void Split(TStringList &list) {
    for (size_t k = 1; k < fText.size(); ++k) {
      size_t end;
      if (EndsSentence(k, end)) {
        AddTrimmed(list, fText, fStart, std::min(end + 1, fText.size()), fScratch);
        fStart = end + 1;
      }
    }
    AddTrimmed(list, fText, fStart, fText.size(), fScratch);
  }

private:
  // Whether the character at index k ends a sentence, and at which index the sentence ends.
  bool EndsSentence(size_t k, size_t &end) {
    const char16_t c = fText[k];
    if (!(fFlags[k] & C1_PUNCT) || UnicodeCategoryOf(c) != ucPo)
      return false;
    if (c > 0x00BF && InSentenceTable(punct_not_ending_sent, c))
      return false;
    if (IsLatinNonEnding(c))
      return false;
    if (IsSentenceTerminator(c) && (fFlags[k + 1] & (C1_LOWER | C1_DIGIT)))
      return false;
    // Closing quotes and brackets up to the first space belong to the sentence; the next word
    // decides whether it ends.
    if (fNextWord <= k)
      fNextWord = NextWith(fFlags, k + 1, C1_ALPHA | C1_DIGIT);
    if (fNextBreak <= k)
      fNextBreak = NextWith(fFlags, k + 1, C1_SPACE | C1_CNTRL | C1_BLANK);
    if (fFlags[fNextWord] & C1_LOWER)
      return false;
    end = std::min(fNextWord, fNextBreak) - 1;
    return true;
  }

  StringView fText;
  std::vector<uint16_t> fFlags; // one per character, then 0 and alpha past the end
  String fScratch;
  size_t fStart = 0;
  size_t fNextWord = 0;
  size_t fNextBreak = 0;
};

} // namespace

bool IsPotentialSentenceTerminator(char16_t c) {
  if (c < 0x0021 || (c >= 0x0040 && c <= 0x007D))
    return false;
  if (c == u'!' || c == u'.' || c == u'?')
    return true;
  if (c < 0x0589)
    return false;
  return InSentenceTable(other_sent_terminators, c);
}

int32_t EndOfSentence(int32_t from, StringView s) {
  bool after_word = false;
  for (size_t i = from < 1 ? 0 : static_cast<size_t>(from) - 1; i < s.size(); ++i) {
    const char16_t c = s[i];
    if (after_word && IsPotentialSentenceTerminator(c) &&
        (i + 1 == s.size() || !IsUnicodeLetterOrDigit(s[i + 1])))
      return static_cast<int32_t>(i + 1);
    after_word = after_word || IsUnicodeLetterOrDigit(c);
  }
  return -1;
}

std::unique_ptr<TStringList> SentencesFromParagraph(StringView paragraph, StringView separator,
                                                    LCID locale, int32_t max_tag) {
  if (!separator.empty())
    return SplitAtSeparator(paragraph, separator);
  auto list = std::make_unique<TStringList>();
  if (paragraph.size() >= static_cast<size_t>(INT32_MAX))
    return list;
  std::vector<uint16_t> flags;
  flags.reserve(paragraph.size() + 2); // room for the two entries past the end
  if (!GetStringTypeExNT2000(true, locale, CT_CTYPE1, paragraph.data(),
                             static_cast<int32_t>(paragraph.size()), flags))
    return list;
  // Past the end: nothing, then a letter, so that the paragraph's end can end a sentence.
  flags.push_back(0);
  flags.push_back(C1_ALPHA);
  if (paragraph.find(u'<') != StringView::npos)
    MarkShortTags(paragraph, max_tag, flags);
  ParagraphSplitter(paragraph, std::move(flags)).Split(*list);
  return list;
}

} // namespace textcore
