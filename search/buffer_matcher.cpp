// The buffer matcher: one pass over the class array that counts the text's units and, at each
// position whose character may begin the pattern, one attempt to match the whole pattern there.
#include "search/buffer_matcher.h"

#include "search/buffer_matcher_classes.h"
#include "search/buffer_matcher_sections.h"
#include "search/work_string_codes.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textcore {
namespace {

// The bits set in a 16-bit mask, in a few instructions where the machine's own count is not
// assumed (a plain std::popcount is a call into the compiler's run-time library there).
constexpr int BitsSet(unsigned mask) {
  mask = mask - ((mask >> 1) & 0x5555u);
  mask = (mask & 0x3333u) + ((mask >> 2) & 0x3333u);
  mask = (mask + (mask >> 4)) & 0x0F0Fu;
  return static_cast<int>((mask + (mask >> 8)) & 0x1Fu);
}
static_assert(BitsSet(0) == 0 && BitsSet(0xFFFFu) == 16 && BitsSet(0xA5A5u) == 8);

using namespace match_class;

constexpr char16_t kSpace = 0x0020;
constexpr int32_t kMaxHit = 0xFFFF;

constexpr bool IsOperator(char16_t e) { return e >= sw_any_word_code && e <= sw_any_letter_code; }

struct PatternView {
  const char16_t *p, *a1, *a2;
  int32_t n;
  bool Equal(int32_t i, char16_t t) const { return t == p[i] || t == a1[i] || t == a2[i]; }
  bool SpaceFollows(int32_t i) const { return i + 1 < n && p[i + 1] == kSpace; }
};

// The running counts, in locals for the length of one call.
struct Counts {
  TSearchStatsRec s;
  bool in_heading;
  bool ignore[4]; // codes 14, 16, 18, 20

  void WordStarts(int32_t k) {
    s.number[stats_word] += k;
    s.position[stats_sentence] += k;
    s.position[stats_paragraph] += k;
    s.position[stats_section] += k;
    if (in_heading)
      s.position[stats_heading] += k;
  }
  void UnitEnds(int32_t unit, THandleTextSectionProc proc) {
    if (proc != nullptr)
      proc(s.number[unit], s.position[unit]);
    ++s.number[unit];
    s.position[unit] = 1;
  }
  void Structure(uint16_t code) {
    switch (code) {
    case kSentenceEnd:
    case kSentenceEndAlways:
      if (code == kSentenceEndAlways || !ignore[0])
        UnitEnds(stats_sentence, HandleSentenceEndProc);
      break;
    case kParagraphEnd:
    case kParagraphEndAlways:
      if (code == kParagraphEndAlways || !ignore[1])
        UnitEnds(stats_paragraph, HandleParagraphEndProc);
      break;
    case kHeadingOpen:
      // An opener also ends the heading before it, unless switched off; either way the text
      // is inside a heading from here on.
      in_heading = true;
      if (!ignore[2])
        UnitEnds(stats_heading, HandleHeadingEndProc);
      break;
    case kHeadingClose:
      UnitEnds(stats_heading, HandleHeadingEndProc);
      in_heading = false;
      break;
    case kSectionEnd:
    case kSectionEndAlways:
      if (code == kSectionEndAlways || !ignore[3])
        UnitEnds(stats_section, HandleSectionEndProc);
      break;
    default:
      break;
    }
  }
};

template <typename Unit> class Matcher {
public:
  Matcher(const Unit *text, const uint16_t *cls, int32_t len, int32_t n_class,
          const PatternView &pat, bool punct_is_space)
      : t_(text), c_(cls), len_(len), n_class_(n_class), pat_(pat),
        punct_is_space_(punct_is_space) {}

  // Matches the whole pattern from s; on success end is the index after what it matched. A
  // right-bounded match must also end before a character that is not a word character; when it
  // does not, the last star tries a longer run, as for any other mismatch.
  bool MatchAt(int32_t s, bool right_bounded, int32_t &end) const {
    const int32_t lim = std::min(len_, s + kMaxHit);
    bool tag = false;
    int32_t i = 0, p = s;
    int32_t star_i = -1, star_p = 0; // where the last "*" resumes when a later element fails
    bool star_tag = false;
    if (pat_.p[0] != sw_tag_open_code && IsMarkup(c_[s]))
      return false;
    for (;;) {
      if (i == pat_.n) {
        if (!right_bounded || p >= n_class_ || !IsWord(c_[p])) {
          end = p;
          return true;
        }
      } else if (Step(i, p, s, lim, tag, star_i, star_p, star_tag)) {
        continue;
      }
      // The last star absorbs one more character and the pattern resumes after it; a star never
      // absorbs a space or a control character, nor goes beyond the range.
      if (star_i < 0 || star_p >= lim || !Absorbable(star_p, star_tag))
        return false;
      p = ++star_p;
      i = star_i;
      tag = star_tag;
    }
  }

private:
  // Matches pattern element i at p and moves both on; false on a mismatch.
  bool Step(int32_t &i, int32_t &p, int32_t s, int32_t lim, bool &tag, int32_t &star_i,
            int32_t &star_p, bool &star_tag) const {
    const char16_t e = pat_.p[i];
    if (e == sw_tag_open_code)
      tag = true;
    else if (e == sw_tag_close_code)
      tag = false;
    if (!tag && p > s && p < lim && IsMarkup(c_[p]) && !IsMarkup(c_[p - 1]))
      p = SkipMarkup(p, lim);
    if (p >= lim)
      return false;
    if (e == sw_asterisk_code && i + 1 < pat_.n && !pat_.SpaceFollows(i) &&
        !pat_.Equal(i, static_cast<char16_t>(t_[p]))) {
      // The star takes one character and hands over to the character after it.
      if (!Absorbable(p, tag))
        return false;
      star_i = i + 1;
      star_p = p + 1;
      star_tag = tag;
      p = star_p;
      ++i;
      return true;
    }
    const int32_t q = Element(i, p, lim, tag);
    if (q < 0)
      return false;
    p = q;
    ++i;
    return true;
  }

  // Pattern element i at text position p (inside the range): the position after what it
  // matched, or -1. Elements that match nothing give p.
  int32_t Element(int32_t &i, int32_t p, int32_t lim, bool tag) const {
    const char16_t e = pat_.p[i];
    const uint16_t c = c_[p];
    if (e == kSpace)
      return Space(i, p, lim, tag);
    if (pat_.Equal(i, static_cast<char16_t>(t_[p])))
      return p + 1;
    if (!IsOperator(e) || IsMarker(c))
      return -1;
    switch (e) {
    case sw_any_word_code:
      return AnyWord(i, p, lim, tag);
    case sw_digits_code:
      if (!IsDigit(c))
        return -1;
      while (++p < lim && IsDigit(c_[p])) {
      }
      return p;
    case sw_any_letter_code:
      if (pat_.SpaceFollows(i) && IsSeparator(c))
        return p;
      return IsLetter(c) ? p + 1 : -1;
    case sw_question_code:
      // One character, never a white one: like a star, "?" stays inside a word, and a hit never
      // starts or ends with white space through it. Before a pattern space it may match nothing.
      if (pat_.SpaceFollows(i) && IsSeparator(c))
        return p;
      return IsWhite(c) ? -1 : p + 1;
    default: // a star before a space, or at the end of the pattern
      return StarToWordEnd(i, p, lim, tag);
    }
  }

  // A pattern space: a run of white characters; a run of separators when punctuation counts as
  // space; otherwise a single punctuation character.
  int32_t Space(int32_t i, int32_t p, int32_t lim, bool tag) const {
    const uint16_t c = c_[p];
    const bool literal = pat_.Equal(i, static_cast<char16_t>(t_[p]));
    if (!literal && (tag || !IsSeparator(c)))
      return -1;
    if (!literal && !IsWhite(c) && !punct_is_space_)
      return p + 1;
    for (++p; p < lim; ++p) {
      const uint16_t n = c_[p];
      if (!((!tag && IsMarkup(n)) || IsWhite(n) || (punct_is_space_ && IsSeparator(n))))
        break;
    }
    return p;
  }

  int32_t AnyWord(int32_t &i, int32_t p, int32_t lim, bool tag) const {
    if (tag && IsMarkup(c_[p])) {
      // Inside a tag a word runs up to and including the next space, which stands for the
      // pattern space after the operator as well.
      while (p < lim && t_[p] != kSpace)
        ++p;
      if (p == lim)
        return p;
      if (pat_.SpaceFollows(i))
        ++i;
      return p + 1;
    }
    if (IsWhite(c_[p]))
      return -1;
    for (++p; p < lim; ++p) {
      const uint16_t n = c_[p];
      if (IsMarker(n) || (IsWhite(n) && (tag || !IsMarkup(n))))
        break;
    }
    return p;
  }

  // A star before a space takes the rest of the word, possibly nothing; a star that ends the
  // pattern takes the rest of the word, at least one character.
  int32_t StarToWordEnd(int32_t i, int32_t p, int32_t lim, bool tag) const {
    const int32_t start = p;
    if (pat_.SpaceFollows(i)) {
      for (; p < lim; ++p) {
        const uint16_t n = c_[p];
        if (IsMarker(n) || (IsSeparator(n) && (tag || !IsMarkup(n))))
          break;
      }
      return p;
    }
    while (p < lim && Absorbable(p, tag))
      ++p;
    return p > start ? p : -1;
  }

  // What a star may take: markup outside tag mode, or a character above U+0020 that is not white.
  bool Absorbable(int32_t p, bool tag) const {
    const uint16_t c = c_[p];
    if (IsMarker(c))
      return false;
    if (!tag && IsMarkup(c))
      return true;
    return t_[p] > kSpace && !IsWhite(c);
  }

  int32_t SkipMarkup(int32_t p, int32_t lim) const {
    while (p < lim && IsMarkup(c_[p]))
      ++p;
    return p;
  }

  const Unit *t_;
  const uint16_t *c_;
  int32_t len_, n_class_;
  const PatternView &pat_;
  bool punct_is_space_;
};

// The scan for hit starts, with the counting that goes with it.
template <typename Unit> class Scanner {
public:
  Scanner(const Unit *text, const uint16_t *cls, const uint16_t *class_start, int32_t len,
          int32_t n_class, const PatternView &pat, bool punct_is_space, Counts &counts)
      : t_(text), c_(cls), class_start_(class_start), len_(len), n_class_(n_class), pat_(pat),
        matcher_(text, cls, len, n_class, pat, punct_is_space), counts_(counts) {}

  // The index of the first hit start, or -1; end is where the pattern's match ended.
  int32_t Find(bool left_bounded, bool right_bounded, int32_t &end, int32_t &extended) {
    const char16_t first = pat_.p[0];
    const bool literal_first = !IsOperator(first) && first != kSpace;
    const bool literal_second =
        pat_.n > 1 && !IsOperator(pat_.p[1]) && pat_.p[1] != kSpace && first != sw_tag_open_code;
    const bool literal_third =
        literal_second && pat_.n > 2 && !IsOperator(pat_.p[2]) && pat_.p[2] != kSpace;
    bool after_white = WhiteBeforeRange();
    for (int32_t s = 0; s < len_; ++s) {
      if (literal_first && s > 0) {
        s = literal_third    ? SkipBlocks<3>(s, after_white)
            : literal_second ? SkipBlocks<2>(s, after_white)
                             : SkipBlocks<1>(s, after_white);
        if (s >= len_)
          break;
      }
      const uint16_t c = c_[s];
      if (IsMarker(c)) {
        // A marker is no character: whether white went before stays as it was.
        counts_.Structure(c & kMarkerCode);
      } else {
        const bool white = IsWhite(c);
        if (after_white && !white)
          counts_.WordStarts(1);
        after_white = white;
      }
      if (literal_first && !pat_.Equal(0, static_cast<char16_t>(t_[s])))
        continue;
      if (left_bounded && !LeftBoundaryAllows(s))
        continue;
      if (matcher_.MatchAt(s, right_bounded, end)) {
        extended = right_bounded ? end : Extended(s, end);
        return s;
      }
    }
    return -1;
  }

private:
  // Whether the character before the range (markers passed over) is white; at the very start of
  // the buffer there is none, so a word there is not counted.
  bool WhiteBeforeRange() const {
    for (const uint16_t *c = c_ - 1; c >= class_start_; --c)
      if (!IsMarker(*c))
        return IsWhite(*c);
    return false;
  }

  bool LeftBoundaryAllows(int32_t s) const {
    if (c_ + s <= class_start_)
      return true;
    const uint16_t before = c_[s - 1];
    if ((before & (kMarker | kMarkup)) != 0)
      return true;
    return !IsWord(before);
  }

  // A hit that need not end at a word end takes the rest of its word, joiners included.
  int32_t Extended(int32_t s, int32_t end) const {
    const int32_t cap = std::min(n_class_, s + kMaxHit);
    while (end < cap && ExtendsWord(c_[end]))
      ++end;
    return end;
  }

  static constexpr int32_t kBlock = 8;

  // Passes over the characters from s (s > 0) that are neither a structure marker nor the start
  // of the pattern's first kLiterals characters, kBlock at a time, counting the word starts among
  // them: where no marker intervenes, a word starts where a white class is followed by one that
  // is not. Returns the first position that needs the unit-by-unit scan: a possible hit start, a
  // character after a marker, or one of the last few of the range.
  template <int kLiterals> int32_t SkipBlocks(int32_t s, bool &after_white) {
    constexpr bool kSecondToo = kLiterals >= 2;
#if defined(__SSE2__)
    const __m128i white_bits = _mm_set1_epi16(static_cast<int16_t>(kWhiteBits));
    const __m128i zero = _mm_setzero_si128();
    const __m128i f0 = _mm_set1_epi16(static_cast<int16_t>(pat_.p[0]));
    const __m128i f1 = _mm_set1_epi16(static_cast<int16_t>(pat_.a1[0]));
    const __m128i f2 = _mm_set1_epi16(static_cast<int16_t>(pat_.a2[0]));
    const __m128i g0 = _mm_set1_epi16(static_cast<int16_t>(pat_.p[kSecondToo ? 1 : 0]));
    const __m128i g1 = _mm_set1_epi16(static_cast<int16_t>(pat_.a1[kSecondToo ? 1 : 0]));
    const __m128i g2 = _mm_set1_epi16(static_cast<int16_t>(pat_.a2[kSecondToo ? 1 : 0]));
    const __m128i h0 = _mm_set1_epi16(static_cast<int16_t>(pat_.p[kLiterals >= 3 ? 2 : 0]));
    const __m128i h1 = _mm_set1_epi16(static_cast<int16_t>(pat_.a1[kLiterals >= 3 ? 2 : 0]));
    const __m128i h2 = _mm_set1_epi16(static_cast<int16_t>(pat_.a2[kLiterals >= 3 ? 2 : 0]));
    const __m128i markup_bit = _mm_set1_epi16(static_cast<int16_t>(kMarkup));
    // The third character is read one unit further on.
    constexpr int32_t kAhead = kBlock + (kLiterals >= 3 ? 1 : 0);
    const int32_t from = s;
    int32_t words = 0;
    __m128i lane_words = zero; // -1 per word start, per lane; flushed before it can overflow
    int32_t blocks = 0;
    while (len_ - s > kAhead) {
      const __m128i text = LoadUnits(s);
      const __m128i cur = Load16(c_ + s), prev = Load16(c_ + s - 1);
      __m128i firsts = AnyOf(text, f0, f1, f2);
      if constexpr (kSecondToo) {
        // The second pattern character must follow, unless markup stands between them, and so
        // must the third after it.
        const __m128i next_markup =
            _mm_cmpeq_epi16(_mm_and_si128(Load16(c_ + s + 1), markup_bit), markup_bit);
        __m128i follows = AnyOf(LoadUnits(s + 1), g0, g1, g2);
        if constexpr (kLiterals >= 3)
          follows = _mm_and_si128(
              follows, _mm_or_si128(AnyOf(LoadUnits(s + 2), h0, h1, h2),
                                    _mm_cmpeq_epi16(_mm_and_si128(Load16(c_ + s + 2), markup_bit),
                                                    markup_bit)));
        firsts = _mm_and_si128(firsts, _mm_or_si128(follows, next_markup));
      }
      const __m128i starts =
          _mm_andnot_si128(_mm_cmpeq_epi16(_mm_and_si128(prev, white_bits), zero),
                           _mm_cmpeq_epi16(_mm_and_si128(cur, white_bits), zero));
      // Marker bits show as the sign of each lane's high byte.
      const unsigned stop =
          static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(firsts, _mm_or_si128(cur, prev)))) &
          0xAAAAu;
      if (stop != 0) {
        const unsigned before = (1u << std::countr_zero(stop)) - 1;
        words += BitsSet(static_cast<unsigned>(_mm_movemask_epi8(starts)) & before) / 2;
        s += std::countr_zero(stop) / 2;
        break;
      }
      lane_words = _mm_add_epi16(lane_words, starts);
      s += kBlock;
      if (++blocks == 0x4000) {
        words += LaneSum(lane_words);
        lane_words = zero;
        blocks = 0;
      }
    }
    words += LaneSum(lane_words);
    if (s != from) {
      counts_.WordStarts(words);
      after_white = IsWhite(c_[s - 1]);
    }
#else
    (void)after_white;
#endif
    return s;
  }

#if defined(__SSE2__)
  static __m128i AnyOf(__m128i x, __m128i a, __m128i b, __m128i c) {
    return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(x, a), _mm_cmpeq_epi16(x, b)),
                        _mm_cmpeq_epi16(x, c));
  }
  // The sum of the lanes' counts, each held negated.
  static int32_t LaneSum(__m128i lanes) {
    alignas(16) int16_t v[8];
    _mm_store_si128(reinterpret_cast<__m128i *>(v), lanes);
    int32_t sum = 0;
    for (const int16_t x : v)
      sum -= x;
    return sum;
  }
  static __m128i Load16(const uint16_t *p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
  }
  __m128i LoadUnits(int32_t s) const {
    if constexpr (sizeof(Unit) == 2) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i *>(t_ + s));
    } else {
      return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(t_ + s)),
                               _mm_setzero_si128());
    }
  }
#endif

  const Unit *t_;
  const uint16_t *c_;
  const uint16_t *class_start_;
  int32_t len_, n_class_;
  const PatternView &pat_;
  Matcher<Unit> matcher_;
  Counts &counts_;
};

template <typename Unit>
int32_t FindIn(const Unit *text, const uint16_t *cls, const uint16_t *class_start, int32_t len,
               int32_t n_class, const PatternView &pat, bool punct_is_space, bool left_bounded,
               bool right_bounded, Counts &counts, int32_t &end, int32_t &extended) {
  Scanner<Unit> scanner(text, cls, class_start, len, n_class, pat, punct_is_space, counts);
  return scanner.Find(left_bounded, right_bounded, end, extended);
}

} // namespace

const void *NewFindWantedInBuffer(const void *text, int32_t length, const uint16_t *class_ptr,
                                  const uint16_t *class_start, const uint16_t *class_end,
                                  const String &alternative1, const String &pattern,
                                  const String &alternative2, uint16_t pattern_length,
                                  bool case_sensitive, bool left_bounded, bool right_bounded,
                                  bool wide, bool punctuation_is_space, bool /*not_read*/,
                                  uint16_t &hit_length, uint16_t &exact_hit_length,
                                  TSearchStatsRec &stats, bool &in_heading,
                                  bool ignore_sentence_code, bool ignore_paragraph_code,
                                  bool ignore_heading_code, bool ignore_section_code) {
  hit_length = 0;
  exact_hit_length = 0;
  const int32_t n = std::min<int32_t>(pattern_length, static_cast<int32_t>(pattern.size()));
  if (n == 0 || text == nullptr || class_ptr == nullptr || class_end <= class_ptr)
    return nullptr;
  PatternView pat{pattern.data(), pattern.data(), pattern.data(), n};
  if (!case_sensitive) {
    if (static_cast<int32_t>(alternative1.size()) >= n)
      pat.a1 = alternative1.data();
    if (static_cast<int32_t>(alternative2.size()) >= n)
      pat.a2 = alternative2.data();
  }
  if (class_start == nullptr || class_start > class_ptr)
    class_start = class_ptr;
  const int64_t n_class64 = class_end - class_ptr;
  const int32_t n_class = static_cast<int32_t>(std::min<int64_t>(n_class64, INT32_MAX));
  const int32_t len = std::clamp(length, 0, n_class);

  Counts counts{
      stats,
      in_heading,
      {ignore_sentence_code, ignore_paragraph_code, ignore_heading_code, ignore_section_code}};
  int32_t end = 0, extended = 0, start;
  if (wide)
    start = FindIn(static_cast<const char16_t *>(text), class_ptr, class_start, len, n_class, pat,
                   punctuation_is_space, left_bounded, right_bounded, counts, end, extended);
  else
    start = FindIn(static_cast<const uint8_t *>(text), class_ptr, class_start, len, n_class, pat,
                   punctuation_is_space, left_bounded, right_bounded, counts, end, extended);

  for (int32_t k = stats_sentence; k < stats_units; ++k)
    counts.s.out_of[k] = counts.s.position[k];
  stats = counts.s;
  in_heading = counts.in_heading;
  if (start < 0)
    return nullptr;
  hit_length = static_cast<uint16_t>(extended - start);
  exact_hit_length = static_cast<uint16_t>(end - start);
  if (wide)
    return static_cast<const char16_t *>(text) + start;
  return static_cast<const uint8_t *>(text) + start;
}

} // namespace textcore
