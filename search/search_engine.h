// The search-and-do engine: runs one parsed search word over a text buffer the client has loaded
// (a whole file or one chunk of it), finds every hit with the buffer matcher and hands each one to
// the client's callback, which decides what the hit is worth and may stop the pass.
//
// The engine also prepares what the matcher needs: the class array of the buffer (one look-up per
// character in the locale's table), the middle characters that join words (allowables), and the
// code-page form of a search word for 8-bit buffers (made once per item).
//
// Use: create, attach a buffer (PrepareFirst, or PrepareForConcordancing for a client that built
// its own class array with markup bits and structure markers), optionally HandleAllowables, then
// one SearchAndDo per search word. The chunk statistics keep counting from buffer to buffer until
// ClearChunkTextStats.
//
// Single-threaded: the engine yields to the host once per hit and reads the process-wide
// Global_in_heading and Global_LowestJumpTo, so two engines must not run passes at the same time.
#pragma once

#include "platform/object.h"
#include "platform/strings.h"
#include "search/my_search_flags.h"
#include "search/search_found_rec.h"
#include "search/search_stats_rec.h"
#include "search/search_word_format.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace textcore {

class TSearchAndDoEngine;

// Called for every hit; true when the hit counts towards the item's n_to_find.
using TSearchFoundEvent =
    std::function<bool(TSearchAndDoEngine *Sender, const TSearchFound_Rec &SearchFound)>;
// Called once at the end of every pass with the running statistics of the chunk.
using TWordCountEvent =
    std::function<void(TSearchAndDoEngine *Sender, const TSearchStatsRec &Word_count)>;

// Counts of explicit structure markup found in a text. Entries 1, 3, 5 and 7 above 0 switch off
// the matcher's optional codes for sentence, paragraph, heading and section ends (the text marks
// them itself).
using TTagsFoundArray = std::array<int32_t, 8>;

// Markup converted to the tag codes the search-word syntax uses: scanning from the start, every
// "<" that has a ">" at or after it becomes U+0019 and that ">" becomes U+0018 (several "<" before
// one ">" all pair with it). A "<" with no ">" after it is left as it is.
String CleanToTagOnOff(const String &text);

// A search word that matches only its own characters, in any of the case forms the engine tries,
// as a whole word: no operator, star, space or tag in it. The matcher reads nothing of a text for
// it beyond its characters and the class words on either side of them, so a client that finds
// few places where it could stand may classify only around those and search just there.
bool IsPlainWholeWord(const TSearch_word_format_rec &item);

// The forms each place of a plain whole word may take in a text, as the engine tries them (its
// case copies, or the word itself when case counts): three a place, repeated where they agree.
std::vector<std::array<char16_t, 3>> PlainWordForms(const TSearch_word_format_rec &item);

// The positions in [from, to) of text (size units in all) at which item's characters stand in
// one of the forms the engine tries (its case copies, or the word itself when case counts), in
// increasing order: every hit of a plain whole word starts at one of them. Stops, leaving more
// than at_most positions, once there are more than at_most.
void PlainWordCandidates(const TSearch_word_format_rec &item, const char16_t *text, size_t size,
                         size_t from, size_t to, size_t at_most, std::vector<size_t> &positions);

class TSearchAndDoEngine : public TObject {
public:
  // ABufferDetails: a class array the client owns and fills (with room for every buffer it will
  // attach), or null for one the engine builds per buffer.
  TSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode, uint32_t AnLCID,
                     uint16_t *ABufferDetails);
  ~TSearchAndDoEngine() override;
  TSearchAndDoEngine(const TSearchAndDoEngine &) = delete;
  TSearchAndDoEngine &operator=(const TSearchAndDoEngine &) = delete;

  // Attaches a NUL-terminated buffer (16-bit or 8-bit units as the engine was made) and, unless
  // the class array is the client's, builds the class array of it. Null detaches.
  void SetABuffer(const void *buffer);
  void PrepareFirst(const void *ABuffer, int32_t AComplete_file_Size,
                    uint32_t ABufferStartPosInFile, TSearchFoundEvent ASearchFoundEvent,
                    TWordCountEvent AWordCountEvent);
  // For a client that built its own buffer and class array: ABufferDetailsEnd is just past the
  // last valid class word (at least one past the last character). Markup inside a hit is skipped.
  // BufferDetailsStart is left as it is; while it is null the class array's first word counts as
  // the start of the text.
  void PrepareForConcordancing(const String &AFilename, const void *AStartOfText,
                               uint16_t *ABufferDetails, const uint16_t *ABufferDetailsEnd,
                               int32_t AComplete_file_Size, int32_t ABuffer_Characters,
                               uint32_t ABufferStartPosInFile, bool ASkipPunctuation,
                               TSearchFoundEvent ASearchFoundEvent,
                               TWordCountEvent AWordCountEvent);

  void SetLCID(uint32_t LCID);
  void SetArrayOfTagsFound(const TTagsFoundArray &tags);
  void ClearChunkTextStats();
  // Makes the given word-internal characters (apostrophes, hyphens...) letters in the class array
  // where they join word characters; see HandleMiddleChars.
  void HandleAllowables(const String &wide_allowables, bool allow_middles_at_right,
                        bool allow_middles_at_left);

  // Runs one pass of item over the attached buffer, reporting every hit. False, with no callback,
  // when the pass cannot run (no hit callback, no buffer, no item or an empty search_text); the
  // result does not say whether anything was found. A failure during the pass (the callback's
  // included) is raised again as an Exception "problem searching <file> for "<typed word>"", with
  // the original nested in it.
  bool SearchAndDo(TSearch_word_format_rec *item);
  bool SearchAndDo(TSearch_word_format_rec *item, int32_t item_num);

  // From the hit callback: end the pass after this hit.
  void FoundEnough() { fChega = true; }
  // End the pass at the end of the current turn (at most one more hit is reported).
  void Cancel();
  void ClearCancel() { fCancelled = false; }

  const void *Buffer() const { return fBuffer; }
  uint16_t *BufferDetails() const { return fBufferDetails; }
  void SetBufferDetails(uint16_t *value) { fBufferDetails = value; }
  const uint16_t *BufferDetailsStart() const { return fBufferDetailsStart; }
  void SetBufferDetailsStart(const uint16_t *value) { fBufferDetailsStart = value; }
  const uint16_t *BufferDetailsEnd() const { return fBufferDetailsEnd; }
  void SetBufferDetailsEnd(const uint16_t *value) { fBufferDetailsEnd = value; }
  int32_t BufferLength() const { return fBuffer_Characters; }
  void SetBufferLength(int32_t value) { fBuffer_Characters = value; }
  bool SearchWordsInUnicode() const { return fSearchWordsInUnicode; }
  void SetSearchWordsInUnicode(bool value) { fSearchWordsInUnicode = value; }
  bool BufferInUnicode() const { return fBufferInUnicode; }
  void SetBufferInUnicode(bool value) { fBufferInUnicode = value; }
  bool SkipPunctuation() const { return fSkipPunctuation; }
  void SetSkipPunctuation(bool value) { fSkipPunctuation = value; }
  const String &ReplaceText() const { return fReplace_text; }
  void SetReplaceText(const String &value) { fReplace_text = value; }
  const TSearchFoundEvent &SearchFoundEvent() const { return fSearchFoundEvent; }
  void SetSearchFoundEvent(TSearchFoundEvent value);
  bool Cancelled() const { return fCancelled; }
  void SetCancelled(bool value) { fCancelled = value; }
  const String &Filename() const { return fFilename; }
  void SetFilename(const String &value) { fFilename = value; }
  bool PreAssigned() const { return fPreAssigned; }
  uint32_t TheLCID() const { return fLCID; }
  void SetTheLCID(uint32_t value) { SetLCID(value); }
  int32_t HitsFound() const { return fHits_found; }

  TSearchStatsRec ThisFileChunk_Stats{};
  int32_t Codepage = 0;
  int32_t current_search_row = 0;    // for clients; the engine does not use it
  int32_t current_search_number = 0; // copied into every hit
  bool IsAdditionalEngine = false;   // a secondary engine writes no "seeking" or hit log lines
  TTagsFoundArray ArrayOfTagsFound{};
  uint32_t FileBytePos = 0; // byte position of the buffer start within the file

protected:
  TWordCountEvent fWordCountEvent;
  TSearchFoundEvent fSearchFoundEvent;
  uint16_t *fBufferDetails = nullptr;
  const uint16_t *fBufferDetailsStart = nullptr;
  const uint16_t *fBufferDetailsEnd = nullptr;
  const void *fBuffer = nullptr;
  int32_t fHits_found = 0;
  int32_t fComplete_file_size = 0;
  int32_t fBuffer_Characters = 0;
  bool fChega = false;
  bool fSkipPunctuation = false;
  // Set by PrepareForConcordancing and handed to the matcher's not_read argument, which it does
  // not use: it does not make the matcher skip tags. Markup is passed over because the class
  // array marks it, whatever this says.
  bool fSkipAnyTags = false;
  bool fCancelled = false;
  bool fPreAssigned = false;
  bool fReady = false;
  bool fLowestJumpToChanged = false;
  bool fSearchWordsInUnicode = false;
  bool fBufferInUnicode = false;
  String fReplace_text;
  uint32_t fLCID = 0;
  String fFilename;

  int32_t UnitBytes() const { return fBufferInUnicode ? 2 : 1; }
  // The classes of fBuffer_Characters characters of text into classes, for fLCID.
  void ClassifyBuffer(const void *text, uint16_t *classes) const;

private:
  // The class array the engine built for the attached buffer (empty when it is the client's).
  std::vector<uint16_t> fOwnedDetails;

  void ReleaseOwnedDetails();
  void RunPass(const TSWCopies &copies, uint16_t pattern_length, const TMySearchFlags &flags,
               int32_t limit);
  // The character position at which a pass begins (Global_LowestJumpTo), within the buffer.
  int32_t StartOfPass() const;
  const void *CharacterAt(int32_t position) const;
  TSearchFound_Rec HitRecord(int32_t position, uint16_t hit_length, uint16_t exact_length) const;
  void LogSeeking(const TSWCopies &copies, int32_t from) const;
  void LogHit(const TSearchFound_Rec &found, int32_t done, int32_t remaining) const;
};

// A quick yes/no test of one word over a buffer, for the word-list tool.
class TWLSearchAndDo : public TSearchAndDoEngine {
public:
  using TSearchAndDoEngine::TSearchAndDoEngine;

  // Stores the word with its flags: its upper-, lower- and title-case forms, or the word itself
  // three times when myCaseIsSensitive is among the flags.
  void SetSearchWord(const String &word, const TMySearchFlags &word_flags);
  // True when the word occurs in the attached buffer. Markup counts as ordinary text here.
  bool QuickSearchFoundIgnoringTags();

  String lo_copy;
  String title_copy;
  String search_text;
  TMySearchFlags flags;
  std::vector<uint16_t> fBufferPWChar;
};

// An engine used beside a main one (for context words, for instance): it writes no log lines.
class TAdditionalSearchAndDoEngine : public TSearchAndDoEngine {
public:
  TAdditionalSearchAndDoEngine(bool ABufferInUnicode, bool ASearchWordsInUnicode, uint32_t AnLCID,
                               uint16_t *ABufferDetails);
  void SetContext_exact_gap_required(int32_t n) { context_exact_gap_required = n; }

  int32_t context_exact_gap_required = 0; // kept for clients
};

} // namespace textcore
