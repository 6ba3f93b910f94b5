// The search-and-do engine: buffers, class arrays and the search pass; see search_engine.h.
#include "search/search_engine.h"

#include "core/logging_utilities.h"
#include "core/yield.h"
#include "definitions/process_variables.h"
#include "platform/exceptions.h"
#include "platform/nls_case.h"
#include "platform/nls_char_types.h"
#include "platform/nls_code_pages.h"
#include "platform/unit_scan.h"
#include "search/buffer_matcher.h"
#include "search/buffer_matcher_middle_chars.h"
#include "search/text_window.h"
#include "search/work_string_codes.h"
#include "strings/case_changes.h"
#include "strings/character_types.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>

namespace textcore {

namespace {

// The longest buffer the engine attaches: its class array needs two words more, and every
// position must fit a signed 32-bit count.
constexpr size_t kMaxBufferCharacters = std::numeric_limits<int32_t>::max() - 2;

// A pattern unit no byte of an 8-bit buffer equals: stands for a character the code page lacks.
constexpr char16_t kNoByte = 0xFFFF;

template <typename Unit> int32_t TerminatedLength(const Unit *text) {
  size_t n = 0;
  while (n < kMaxBufferCharacters && text[n] != 0)
    ++n;
  return static_cast<int32_t>(n);
}

// text in the code page, one byte per unit, or empty when the code page lacks one of its
// characters (a best fit would let the word match text that does not hold it).
String BytesInCodePage(const String &text, uint32_t code_page) {
  if (text.empty())
    return {};
  const uint32_t flags = WC_COMPOSITECHECK | WC_NO_BEST_FIT_CHARS;
  const int32_t source_length = static_cast<int32_t>(std::min<size_t>(text.size(), INT32_MAX));
  const int32_t size = WideCharToMultiByte(code_page, flags, text.data(), source_length, nullptr, 0,
                                           nullptr, nullptr);
  if (size <= 0)
    return {};
  std::string bytes(static_cast<size_t>(size), '\0');
  bool used_default = false;
  WideCharToMultiByte(code_page, flags, text.data(), source_length, bytes.data(), size, nullptr,
                      &used_default);
  if (used_default)
    return {};
  String units(bytes.size(), u'\0');
  std::transform(bytes.begin(), bytes.end(), units.begin(),
                 [](char b) { return static_cast<char16_t>(static_cast<uint8_t>(b)); });
  return units;
}

// The four copies of a search word made ready for an 8-bit buffer. A copy the code page cannot
// hold becomes units that match no byte, so that form of the word simply finds nothing.
void ConvertCopies(TSWCopies &copies, uint32_t code_page) {
  for (String &copy : copies) {
    String bytes = BytesInCodePage(copy, code_page);
    if (bytes.empty() && !copy.empty())
      bytes.assign(copy.size(), kNoByte);
    copy = std::move(bytes);
  }
}

uint16_t PatternLengthOf(const String &pattern) {
  return static_cast<uint16_t>(std::min<size_t>(pattern.size(), UINT16_MAX));
}

// Up to 50 characters of the buffer from position at, readable on one log line.
String LogExcerpt(const void *buffer, bool wide, int32_t at, int32_t characters,
                  uint32_t code_page) {
  const int32_t n = std::clamp(characters - at, 0, 50);
  String excerpt;
  if (wide)
    excerpt.assign(static_cast<const char16_t *>(buffer) + at, static_cast<size_t>(n));
  else
    excerpt = AnsiToString(
        std::string_view(static_cast<const char *>(buffer) + at, static_cast<size_t>(n)),
        code_page);
  return excerpt;
}

String ShownOnOneLine(String text) {
  for (char16_t &c : text) {
    if (c == sw_tag_open_code)
      c = u'<';
    else if (c == sw_tag_close_code)
      c = u'>';
    else if (c < 0x20)
      c = u' ';
  }
  return text;
}

String Hex6(uint64_t value) { return IntToHex(value, 6); }

} // namespace

String CleanToTagOnOff(const String &text) {
  String result = text;
  // Every "<" pairs with the first ">" at or after it, so one backward pass that remembers the
  // nearest ">" seen so far converts them all.
  size_t closer = String::npos;
  for (size_t i = result.size(); i-- > 0;) {
    if (result[i] == u'>') {
      closer = i;
    } else if (result[i] == u'<' && closer != String::npos) {
      result[i] = sw_tag_open_code;
      result[closer] = sw_tag_close_code;
    }
  }
  return result;
}

TSearchAndDoEngine::TSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode,
                                       uint32_t AnLCID, uint16_t *ABufferDetails)
    : fBufferDetails(ABufferDetails), fPreAssigned(ABufferDetails != nullptr),
      fSearchWordsInUnicode(ASearchWordsInUnicode), fBufferInUnicode(ABufferInUnicode),
      fLCID(AnLCID) {
  Codepage = static_cast<int32_t>(LCIDToCodePage(AnLCID));
}

TSearchAndDoEngine::~TSearchAndDoEngine() = default;

void TSearchAndDoEngine::ReleaseOwnedDetails() {
  if (fOwnedDetails.empty())
    return;
  // Only pointers into the array being released are dropped; a client's array stays attached.
  const uint16_t *owned = fOwnedDetails.data();
  if (fBufferDetails == owned) {
    fBufferDetails = nullptr;
    fBufferDetailsEnd = nullptr;
  }
  if (fBufferDetailsStart == owned)
    fBufferDetailsStart = nullptr;
  fOwnedDetails.clear();
  fOwnedDetails.shrink_to_fit();
}

bool IsPlainWholeWord(const TSearch_word_format_rec &item) {
  return !item.search_text.empty() && item.flags.Contains(myLeftBounded) &&
         item.flags.Contains(myRightBounded) &&
         std::all_of(item.search_text.begin(), item.search_text.end(),
                     [](char16_t c) { return c > u' '; });
}

std::vector<std::array<char16_t, 3>> PlainWordForms(const TSearch_word_format_rec &item) {
  // The same forms SearchAndDo hands the matcher.
  const bool exact = item.flags.Contains(myCaseIsSensitive);
  const String &pattern = item.copies[exact ? unchanged_copy : lower_copy];
  const size_t n = std::min<size_t>(PatternLengthOf(item.search_text), pattern.size());
  auto form = [&](sw_copy_type which) -> const String & {
    const String &copy = item.copies[which];
    return exact || copy.size() < n ? pattern : copy;
  };
  const String &upper = form(upper_copy), &title = form(title_copy);
  std::vector<std::array<char16_t, 3>> forms(n);
  for (size_t i = 0; i < n; ++i)
    forms[i] = {pattern[i], upper[i], title[i]};
  return forms;
}

void PlainWordCandidates(const TSearch_word_format_rec &item, const char16_t *text, size_t size,
                         size_t from, size_t to, size_t at_most, std::vector<size_t> &positions) {
  const std::vector<std::array<char16_t, 3>> forms = PlainWordForms(item);
  const size_t n = forms.size();
  if (n == 0 || from >= to)
    return;
  const size_t first = positions.size();
  auto take = [&](char16_t c1, char16_t c2) {
    const char16_t *end = text + std::min(to, size);
    for (const char16_t *p = unit_scan::ScanForEither(text + from, end, c1, c2); p != nullptr;
         p = unit_scan::ScanForEither(p + 1, end, c1, c2)) {
      const size_t at = static_cast<size_t>(p - text);
      if (at + n > size)
        break;
      size_t i = 1;
      while (i < n && (text[at + i] == forms[i][0] || text[at + i] == forms[i][1] ||
                       text[at + i] == forms[i][2]))
        ++i;
      if (i == n) {
        positions.push_back(at);
        if (positions.size() - first > at_most)
          return;
      }
    }
  };
  take(forms[0][0], forms[0][1]);
  if (forms[0][2] != forms[0][0] && forms[0][2] != forms[0][1] &&
      positions.size() - first <= at_most)
    take(forms[0][2], forms[0][2]);
  std::sort(positions.begin() + static_cast<ptrdiff_t>(first), positions.end());
}

void TSearchAndDoEngine::ClassifyBuffer(const void *text, uint16_t *classes) const {
  const size_t n = static_cast<size_t>(fBuffer_Characters);
  if (fBufferInUnicode) {
    ClassifyUnits(CType1Table(fLCID), static_cast<const char16_t *>(text), n, classes);
    return;
  }
  const uint8_t *bytes = static_cast<const uint8_t *>(text);
  if (const uint16_t *table = CType1TableOfCodePage(static_cast<uint32_t>(Codepage))) {
    for (size_t i = 0; i < n; ++i)
      classes[i] = table[bytes[i]];
    return;
  }
  // A double-byte page has no table of single bytes; the platform classifies it as a whole.
  std::vector<uint16_t> types;
  if (GetStringTypeExNT2000(false, fLCID, CT_CTYPE1, text, fBuffer_Characters, types))
    std::copy_n(types.begin(), std::min(types.size(), n), classes);
}

void TSearchAndDoEngine::SetABuffer(const void *buffer) {
  fBuffer = buffer;
  ReleaseOwnedDetails();
  if (buffer == nullptr) {
    fBuffer_Characters = 0;
    fBufferDetailsEnd = nullptr;
    return;
  }
  fBuffer_Characters = fBufferInUnicode ? TerminatedLength(static_cast<const char16_t *>(buffer))
                                        : TerminatedLength(static_cast<const uint8_t *>(buffer));
  if (fPreAssigned)
    return;
  fOwnedDetails.assign(static_cast<size_t>(fBuffer_Characters) + 2, 0);
  if (fBuffer_Characters > 0)
    ClassifyBuffer(buffer, fOwnedDetails.data());
  fBufferDetails = fOwnedDetails.data();
  fBufferDetailsEnd = fBufferDetails + fBuffer_Characters + 1;
  // The buffer is the whole text as far as the engine knows: its first class word is where words
  // can start. Without it the matcher would take each resumed scan position for the text's start
  // and report a whole-word hit inside a word it has just passed.
  fBufferDetailsStart = fBufferDetails;
}

void TSearchAndDoEngine::PrepareFirst(const void *ABuffer, int32_t AComplete_file_Size,
                                      uint32_t ABufferStartPosInFile,
                                      TSearchFoundEvent ASearchFoundEvent,
                                      TWordCountEvent AWordCountEvent) {
  FileBytePos = ABufferStartPosInFile;
  fSearchFoundEvent = std::move(ASearchFoundEvent);
  fWordCountEvent = std::move(AWordCountEvent);
  SetABuffer(ABuffer);
  fComplete_file_size = AComplete_file_Size;
  fReady = static_cast<bool>(fSearchFoundEvent);
}

void TSearchAndDoEngine::PrepareForConcordancing(
    const String &AFilename, const void *AStartOfText, uint16_t *ABufferDetails,
    const uint16_t *ABufferDetailsEnd, int32_t AComplete_file_Size, int32_t ABuffer_Characters,
    uint32_t ABufferStartPosInFile, bool ASkipPunctuation, TSearchFoundEvent ASearchFoundEvent,
    TWordCountEvent AWordCountEvent) {
  fFilename = AFilename;
  fComplete_file_size = AComplete_file_Size;
  fSkipAnyTags = true;
  fSkipPunctuation = ASkipPunctuation;
  FileBytePos = ABufferStartPosInFile;
  fSearchFoundEvent = std::move(ASearchFoundEvent);
  fWordCountEvent = std::move(AWordCountEvent);
  SetABuffer(nullptr);
  fBuffer = AStartOfText;
  fBufferDetailsEnd = ABufferDetailsEnd;
  fBufferDetails = ABufferDetails;
  fPreAssigned = ABufferDetails != nullptr;
  fBuffer_Characters = std::max(ABuffer_Characters, 0);
  fReady = static_cast<bool>(fSearchFoundEvent);
}

void TSearchAndDoEngine::SetSearchFoundEvent(TSearchFoundEvent value) {
  fSearchFoundEvent = std::move(value);
  // A pass never calls a callback that is not there.
  fReady = static_cast<bool>(fSearchFoundEvent);
}

void TSearchAndDoEngine::SetLCID(uint32_t LCID) {
  if (LCID == fLCID)
    return;
  fLCID = LCID;
  Codepage = static_cast<int32_t>(LCIDToCodePage(LCID));
}

void TSearchAndDoEngine::SetArrayOfTagsFound(const TTagsFoundArray &tags) {
  ArrayOfTagsFound = tags;
}

void TSearchAndDoEngine::ClearChunkTextStats() { ThisFileChunk_Stats = TSearchStatsRec{}; }

void TSearchAndDoEngine::HandleAllowables(const String &wide_allowables,
                                          bool allow_middles_at_right, bool allow_middles_at_left) {
  MyYieldProcess();
  if (fBuffer == nullptr || fBufferDetails == nullptr || fBuffer_Characters <= 0)
    return;
  String allowed = wide_allowables;
  if (!fBufferInUnicode) {
    // 8-bit text holds each middle character as its byte in the code page (U+2019 is 0x92 in
    // windows-1252); characters the page lacks cannot occur in it.
    allowed.clear();
    for (char16_t c : wide_allowables) {
      const String byte = BytesInCodePage(String(1, c), static_cast<uint32_t>(Codepage));
      if (byte.size() == 1)
        allowed += byte;
    }
  }
  HandleMiddleChars(fBuffer, fBufferDetails, allowed, PatternLengthOf(allowed), fBuffer_Characters,
                    fBufferInUnicode, allow_middles_at_right, allow_middles_at_left);
}

void TSearchAndDoEngine::Cancel() {
  fCancelled = true;
  MyYieldProcess();
}

int32_t TSearchAndDoEngine::StartOfPass() const {
  if (Global_LowestJumpTo == 0)
    return 0;
  // A jump into the middle of a 16-bit character goes back to that character's start.
  const uint64_t characters = Global_LowestJumpTo / static_cast<uint32_t>(UnitBytes());
  return static_cast<int32_t>(
      std::min<uint64_t>(characters, static_cast<uint64_t>(fBuffer_Characters)));
}

const void *TSearchAndDoEngine::CharacterAt(int32_t position) const {
  return static_cast<const uint8_t *>(fBuffer) + static_cast<ptrdiff_t>(position) * UnitBytes();
}

TSearchFound_Rec TSearchAndDoEngine::HitRecord(int32_t position, uint16_t hit_length,
                                               uint16_t exact_length) const {
  TSearchFound_Rec found;
  found.search_number = current_search_number;
  found.hit_pos_in_wchar_kinds = position;
  found.hit_pos_in_characters = position;
  found.FileBytePos = FileBytePos;
  found.start_of_memory = fBuffer;
  found.start_of_text = fBuffer;
  found.where_hit_started = CharacterAt(position);
  found.exact_hit_len = exact_length;
  found.hit_characters = hit_length;
  found.count_stats = ThisFileChunk_Stats;
  if (!Global_in_heading) {
    found.count_stats.number[stats_heading] = -1;
    found.count_stats.position[stats_heading] = -1;
  }
  // A file of unknown (zero) size has every hit at 0 % rather than failing the search.
  if (fComplete_file_size > 0) {
    const double bytes = static_cast<double>(position) * UnitBytes() + FileBytePos;
    const double percent = std::nearbyint(100.0 * bytes / fComplete_file_size);
    found.percent_of_file = static_cast<int32_t>(std::min(percent, 2147483647.0));
  }
  return found;
}

void TSearchAndDoEngine::LogSeeking(const TSWCopies &copies, int32_t from) const {
  if (!keeping_log || IsAdditionalEngine)
    return;
  String line = u"seeking \r\n";
  for (sw_copy_type which : {upper_copy, lower_copy, title_copy})
    line += u"\"" + ShownOnOneLine(copies[which]) + u"\"\r\n";
  line += u"and file begins \"" +
          LogExcerpt(fBuffer, fBufferInUnicode, from, fBuffer_Characters,
                     static_cast<uint32_t>(Codepage)) +
          u"...\"";
  AddToLogFile(line, true);
}

void TSearchAndDoEngine::LogHit(const TSearchFound_Rec &found, int32_t done,
                                int32_t remaining) const {
  if (!keeping_log || IsAdditionalEngine)
    return;
  const int32_t position = found.hit_pos_in_characters;
  const uint64_t byte = static_cast<uint64_t>(position) * UnitBytes() + FileBytePos;
  String line = u"(" + IntToStr(fHits_found) + u") \"" +
                ShownOnOneLine(LogExcerpt(fBuffer, fBufferInUnicode, position, fBuffer_Characters,
                                          static_cast<uint32_t>(Codepage))) +
                u"\" at chunk " + Hex6(FileBytePos) + u"+" + Hex6(static_cast<uint32_t>(position)) +
                u"= byte " + Hex6(byte) + u"\tdone: " + Hex6(static_cast<uint32_t>(done)) +
                u"\tto go: " + Hex6(static_cast<uint32_t>(std::max(remaining, 0))) + u"\t" +
                IntToStr(found.percent_of_file) + u"% words = " +
                IntToStr(found.count_stats.number[stats_word]);
  AddToLogFile(line, true);
}

void TSearchAndDoEngine::RunPass(const TSWCopies &copies, uint16_t pattern_length,
                                 const TMySearchFlags &flags, int32_t limit) {
  const bool case_sensitive = flags.Contains(myCaseIsSensitive);
  const bool left_bounded = flags.Contains(myLeftBounded);
  const bool right_bounded = flags.Contains(myRightBounded);
  // While the client has not said where its text starts, the class array's first word is.
  const uint16_t *class_start = fBufferDetailsStart ? fBufferDetailsStart : fBufferDetails;
  int32_t done = StartOfPass();
  fLowestJumpToChanged = false;
  LogSeeking(copies, done);
  int32_t pass_hits = 0;
  bool hit_found = false;
  do {
    MyYieldProcess();
    const int32_t remaining = fBuffer_Characters - done;
    const void *hit = nullptr;
    uint16_t hit_length = 0, exact_length = 0;
    if (remaining > 0)
      hit = NewFindWantedInBuffer(CharacterAt(done), remaining, fBufferDetails + done, class_start,
                                  fBufferDetailsEnd, copies[upper_copy], copies[lower_copy],
                                  copies[title_copy], pattern_length, case_sensitive, left_bounded,
                                  right_bounded, fBufferInUnicode, fSkipPunctuation, fSkipAnyTags,
                                  hit_length, exact_length, ThisFileChunk_Stats, Global_in_heading,
                                  ArrayOfTagsFound[1] > 0, ArrayOfTagsFound[3] > 0,
                                  ArrayOfTagsFound[5] > 0, ArrayOfTagsFound[7] > 0);
    hit_found = hit != nullptr;
    if (!hit_found)
      break;
    const int32_t position = static_cast<int32_t>(
        (static_cast<const uint8_t *>(hit) - static_cast<const uint8_t *>(fBuffer)) / UnitBytes());
    const TSearchFound_Rec found = HitRecord(position, hit_length, exact_length);
    if (fHits_found < std::numeric_limits<int32_t>::max())
      ++fHits_found;
    ++pass_hits;
    LogHit(found, done, remaining);
    if (!fSearchFoundEvent(this, found))
      --pass_hits;
    if (fLowestJumpToChanged) {
      done = StartOfPass();
      fLowestJumpToChanged = false;
    } else {
      done = position + 1; // hits may overlap
    }
  } while (pass_hits < limit && hit_found && !fChega && !fCancelled);
  if (fWordCountEvent)
    fWordCountEvent(this, ThisFileChunk_Stats);
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec *item) {
  const bool ready = fReady && fBuffer != nullptr && item != nullptr && !item->search_text.empty();
  if (!ready) {
    if (keeping_log)
      AddToLogFile(u"item = nil " + String(item == nullptr ? u"True" : u"False") +
                       u"buffer = nil " + String(fBuffer == nullptr ? u"True" : u"False"),
                   true);
    return false;
  }
  fCancelled = false;
  fChega = false;
  const int32_t limit = item->n_to_find > 0 ? item->n_to_find : std::numeric_limits<int32_t>::max();
  uint16_t pattern_length = PatternLengthOf(item->search_text);
  if (!fBufferInUnicode) {
    if (!item->copies_converted) {
      item->copies_converted = true;
      ConvertCopies(item->copies, static_cast<uint32_t>(Codepage));
    }
    // A character of the word may take more or fewer bytes than units in the code page.
    pattern_length = PatternLengthOf(item->copies[lower_copy]);
  }
  TSWCopies copies = item->copies;
  if (item->flags.Contains(myCaseIsSensitive))
    copies[upper_copy] = copies[lower_copy] = copies[title_copy] = copies[unchanged_copy];
  try {
    RunPass(copies, pattern_length, item->flags, limit);
  } catch (...) {
    std::throw_with_nested(
        Exception(u"problem searching " + fFilename + u" for \"" + item->typed_in_text + u"\""));
  }
  return true;
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec *item, int32_t item_num) {
  current_search_number = item_num;
  return SearchAndDo(item);
}

void TWLSearchAndDo::SetSearchWord(const String &word, const TMySearchFlags &word_flags) {
  flags = word_flags;
  if (flags.Contains(myCaseIsSensitive)) {
    search_text = lo_copy = title_copy = word;
    return;
  }
  search_text = LCMapCase(fLCID, word, LCMAP_UPPERCASE);
  lo_copy = LCMapCase(fLCID, word, LCMAP_LOWERCASE);
  title_copy = TitleCase(word, true);
}

bool TWLSearchAndDo::QuickSearchFoundIgnoringTags() {
  if (fBuffer == nullptr || search_text.empty())
    return false;
  int32_t n = static_cast<int32_t>(std::min<size_t>(search_text.size(), UINT16_MAX));
  if (search_text[static_cast<size_t>(n) - 1] == sw_asterisk_code)
    --n; // a trailing star, which the flags already express
  if (n == 0)
    return false;
  // A text shorter than the word cannot hold it; a star, and a one-letter or one-character
  // operator before a space, may match nothing and so do not count towards that length.
  const auto may_be_empty = [](char16_t c) {
    return c == sw_asterisk_code || c == sw_question_code || c == sw_any_letter_code;
  };
  if (fBuffer_Characters <
      n - std::count_if(search_text.begin(), search_text.begin() + n, may_be_empty))
    return false;
  TSWCopies copies{search_text, search_text, lo_copy, title_copy};
  uint16_t pattern_length = static_cast<uint16_t>(n);
  if (!fBufferInUnicode) {
    for (String &copy : copies)
      copy.resize(std::min<size_t>(copy.size(), static_cast<size_t>(n)));
    ConvertCopies(copies, static_cast<uint32_t>(Codepage));
    pattern_length = PatternLengthOf(copies[lower_copy]);
  }
  // Platform classes only: markup characters are ordinary text in this test.
  fBufferPWChar.assign(static_cast<size_t>(fBuffer_Characters) + 2, 0);
  ClassifyBuffer(fBuffer, fBufferPWChar.data());
  const uint16_t *saved_end = fBufferDetailsEnd;
  fBufferDetailsEnd = fBufferPWChar.data() + fBufferPWChar.size();
  TSearchStatsRec stats{};
  uint16_t hit_length = 0, exact_length = 0;
  const void *hit = NewFindWantedInBuffer(
      fBuffer, fBuffer_Characters, fBufferPWChar.data(), fBufferPWChar.data(), fBufferDetailsEnd,
      copies[upper_copy], copies[lower_copy], copies[sw_copy_type::title_copy], pattern_length,
      flags.Contains(myCaseIsSensitive), flags.Contains(myLeftBounded),
      flags.Contains(myRightBounded), fBufferInUnicode, fSkipPunctuation, false, hit_length,
      exact_length, stats, Global_in_heading, ArrayOfTagsFound[1] > 0, ArrayOfTagsFound[3] > 0,
      ArrayOfTagsFound[5] > 0, ArrayOfTagsFound[7] > 0);
  fBufferDetailsEnd = saved_end;
  fBufferPWChar.clear();
  fBufferPWChar.shrink_to_fit();
  return hit != nullptr;
}

TAdditionalSearchAndDoEngine::TAdditionalSearchAndDoEngine(bool ABufferInUnicode,
                                                           bool ASearchWordsInUnicode,
                                                           uint32_t AnLCID,
                                                           uint16_t *ABufferDetails)
    : TSearchAndDoEngine(ABufferInUnicode, ASearchWordsInUnicode, AnLCID, ABufferDetails) {
  IsAdditionalEngine = true;
}

} // namespace textcore
