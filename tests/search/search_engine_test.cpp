#include "search/search_engine.h"

#include "core/logging_utilities.h"
#include "core/yield.h"
#include "definitions/process_variables.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/nls_char_types.h"
#include "platform/nls_locale_ids.h"
#include "search/buffer_matcher_classes.h"
#include "search/search_word_parser.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace textcore {
namespace {

constexpr uint32_t kEnglish = 0x0809;

TSearch_word_format_rec Word(const String &typed) {
  TSearch_word_format_rec rec;
  Parsed_SearchWord(TIgnore_tag_type{}, typed, rec);
  return rec;
}

// Runs one pass of typed over text and keeps what the callbacks saw.
struct Pass {
  std::vector<TSearchFound_Rec> hits;
  int32_t word_count_calls = 0;
  bool ran = false;
};

class EngineTest : public ::testing::Test {
protected:
  void TearDown() override {
    Global_LowestJumpTo = 0;
    Global_in_heading = false;
    AYieldProcessProc() = nullptr;
  }

  // accept: what the hit callback answers; on_hit runs inside it.
  Pass Run(const String &text, TSearch_word_format_rec item, bool accept = true,
           const std::function<void(TSearchAndDoEngine &)> &on_hit = nullptr,
           int32_t file_size = 1000) {
    buffer_ = text;
    TSearchAndDoEngine engine(true, true, kEnglish, nullptr);
    Pass pass;
    engine.PrepareFirst(
        buffer_.c_str(), file_size, 0,
        [&](TSearchAndDoEngine *sender, const TSearchFound_Rec &found) {
          pass.hits.push_back(found);
          if (on_hit)
            on_hit(*sender);
          return accept;
        },
        [&](TSearchAndDoEngine *, const TSearchStatsRec &) { ++pass.word_count_calls; });
    pass.ran = engine.SearchAndDo(&item, 7);
    return pass;
  }

  // What work writes to the log, read back without the byte-order mark.
  static String Logged(const std::function<void()> &work) {
    testsupport::TempFolder folder;
    SetLogFilename(BytesToFileName(folder.File("engine.log")));
    keeping_log = true;
    work();
    keeping_log = false;
    SetLogFilename(String());
    std::ifstream log(folder.File("engine.log"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(log)), {});
    return String(reinterpret_cast<const char16_t *>(bytes.data() + 2), (bytes.size() - 2) / 2);
  }

  static std::vector<int32_t> Positions(const Pass &pass) {
    std::vector<int32_t> positions;
    for (const TSearchFound_Rec &hit : pass.hits)
      positions.push_back(hit.hit_pos_in_characters);
    return positions;
  }

  String buffer_;
};

TEST_F(EngineTest, PassesReportTheHitsTheirLimitAndOverlapAllow) {
  struct Case {
    const char16_t *text;
    TSearch_word_format_rec item;
    bool accept;
    std::vector<int32_t> positions;
  };
  TSearch_word_format_rec two = Word(u"cat");
  two.n_to_find = 2;
  TSearch_word_format_rec unbounded = Word(u"aa");
  unbounded.flags = {};
  TSearch_word_format_rec sensitive = Word(u"Cat");
  sensitive.flags.Include(myCaseIsSensitive);
  const Case cases[] = {
      {u"cat cat cat cat cat", two, true, {0, 4}},
      {u"cat cat cat cat cat", two, false, {0, 4, 8, 12, 16}}, // refused hits do not count
      {u"aaaa", unbounded, true, {0, 1, 2}},
      {u"Cat cat CAT", Word(u"cat"), true, {0, 4, 8}},
      {u"Cat cat CAT", sensitive, true, {0}},
      // A resumed scan must not take the middle of a word it has passed for a word start.
      {u"sss ss", Word(u"s*"), true, {0, 4}},
      {u"concat cat cats", Word(u"cat"), true, {7}},
      {u"", Word(u"cat"), true, {}},
  };
  for (const Case &c : cases) {
    const Pass pass = Run(c.text, c.item, c.accept);
    EXPECT_TRUE(pass.ran);
    EXPECT_EQ(Positions(pass), c.positions) << StringToUTF8(c.text);
    EXPECT_EQ(pass.word_count_calls, 1);
  }
}

TEST_F(EngineTest, APassThatCannotRunReturnsFalseWithoutCallbacks) {
  const String text = u"cat";
  int32_t calls = 0;
  auto count = [&](TSearchAndDoEngine *, const TSearchFound_Rec &) { return ++calls > 0; };
  const String logged = Logged([&] {
    TSearchAndDoEngine no_callback(true, true, kEnglish, nullptr);
    no_callback.PrepareFirst(text.c_str(), 3, 0, nullptr, nullptr);
    TSearch_word_format_rec cat = Word(u"cat");
    EXPECT_FALSE(no_callback.SearchAndDo(&cat));

    TSearchAndDoEngine engine(true, true, kEnglish, nullptr);
    engine.PrepareFirst(nullptr, 3, 0, count, nullptr);
    EXPECT_FALSE(engine.SearchAndDo(&cat));
    engine.PrepareFirst(text.c_str(), 3, 0, count, nullptr);
    EXPECT_FALSE(engine.SearchAndDo(nullptr));
    TSearch_word_format_rec empty;
    EXPECT_FALSE(engine.SearchAndDo(&empty));
    engine.SetSearchFoundEvent(nullptr);
    EXPECT_FALSE(engine.SearchAndDo(&cat)) << "a pass never calls a missing callback";
  });
  EXPECT_EQ(calls, 0);
  EXPECT_NE(logged.find(u"item = nil Falsebuffer = nil True\r\n"), String::npos);
  EXPECT_NE(logged.find(u"item = nil Truebuffer = nil False\r\n"), String::npos);
}

TEST_F(EngineTest, TheLogShowsWhatIsSoughtAndEveryHit) {
  const String logged = Logged([&] { Run(u"cat\r\n<sat>", Word(u"sat"), true, nullptr, 100); });
  EXPECT_NE(logged.find(u"seeking \r\n\"SAT\"\r\n\"sat\"\r\n\"Sat\"\r\nand file begins "
                        u"\"cat\r\n<sat>...\"\r\n"),
            String::npos);
  EXPECT_NE(logged.find(u"(1) \"sat>\" at chunk 000000+000006= byte 00000C\tdone: 000000\t"
                        u"to go: 00000A\t12% words = 1\r\n"),
            String::npos)
      << StringToUTF8(logged);
}

TEST_F(EngineTest, EnoughAndCancelEndThePassAfterTheCurrentHit) {
  const String text = u"cat cat cat cat";
  Pass enough = Run(text, Word(u"cat"), true, [](TSearchAndDoEngine &e) { e.FoundEnough(); });
  EXPECT_EQ(Positions(enough), std::vector<int32_t>{0});
  EXPECT_EQ(enough.word_count_calls, 1) << "the word count is still reported";

  // The host's yield hook is where a user's Stop arrives.
  TSearchAndDoEngine *running = nullptr;
  int32_t yields = 0;
  AYieldProcessProc() = [&] {
    if (running != nullptr && ++yields == 1)
      running->Cancel();
  };
  Pass cancelled = Run(text, Word(u"cat"), true, [&](TSearchAndDoEngine &e) { running = &e; });
  EXPECT_EQ(Positions(cancelled), (std::vector<int32_t>{0, 4}))
      << "at most one more hit after Cancel";
}

TEST_F(EngineTest, HitRecordsSayWhereAndHowLong) {
  TSearch_word_format_rec star = Word(u"cat*");
  Pass pass = Run(u"a catalogue", star, true, nullptr, 44);
  ASSERT_EQ(pass.hits.size(), 1u);
  const TSearchFound_Rec &hit = pass.hits[0];
  EXPECT_EQ(hit.search_number, 7);
  EXPECT_EQ(hit.hit_pos_in_wchar_kinds, 2);
  EXPECT_EQ(hit.where_hit_started, buffer_.c_str() + 2);
  EXPECT_EQ(hit.start_of_memory, buffer_.c_str());
  EXPECT_EQ(hit.exact_hit_len, 3);
  EXPECT_EQ(hit.hit_characters, 9);
  EXPECT_EQ(hit.percent_of_file, 9); // byte 4 of 44
  EXPECT_EQ(hit.count_stats.number[stats_heading], -1) << "not inside a heading";
  EXPECT_EQ(hit.count_stats.position[stats_heading], -1);
}

TEST_F(EngineTest, PercentOfFileRoundsHalvesToEvenAndSurvivesAnEmptySize) {
  struct Case {
    int32_t at_character;
    int32_t file_size;
    int32_t percent;
  };
  const Case cases[] = {
      {25, 200, 25}, // byte 50 of 200
      {1, 16, 12},   // 12.5
      {3, 16, 38},   // 37.5
      {3, 0, 0},     // a size the client does not know
      {3, -5, 0},
  };
  for (const Case &c : cases) {
    String text(static_cast<size_t>(c.at_character), u' ');
    text += u"cat";
    Pass pass = Run(text, Word(u"cat"), true, nullptr, c.file_size);
    ASSERT_EQ(pass.hits.size(), 1u);
    EXPECT_EQ(pass.hits[0].percent_of_file, c.percent) << c.at_character << "/" << c.file_size;
  }
}

TEST_F(EngineTest, EveryPassStartsAtTheJumpPosition) {
  struct Case {
    uint32_t jump_bytes;
    std::vector<int32_t> positions;
  };
  const Case cases[] = {
      {0, {0, 4, 8}}, {8, {4, 8}},      {9, {4, 8}}, // an odd byte goes back to its character
      {24, {}},       {0xFFFFFFFF, {}},
  };
  for (const Case &c : cases) {
    Global_LowestJumpTo = c.jump_bytes;
    EXPECT_EQ(Positions(Run(u"cat cat cat", Word(u"cat"))), c.positions) << c.jump_bytes;
  }
}

TEST_F(EngineTest, AFailureInThePassNamesTheFileAndTheTypedWord) {
  const String text = u"cat";
  TSearchAndDoEngine engine(true, true, kEnglish, nullptr);
  engine.SetFilename(u"story.txt");
  engine.PrepareFirst(
      text.c_str(), 3, 0,
      [](TSearchAndDoEngine *, const TSearchFound_Rec &) -> bool { throw EListError("inner"); },
      nullptr);
  TSearch_word_format_rec cat = Word(u"cat");
  try {
    engine.SearchAndDo(&cat);
    FAIL() << "no failure";
  } catch (const Exception &e) {
    EXPECT_EQ(e.Message(), u"problem searching story.txt for \"cat\"");
    EXPECT_THROW(std::rethrow_if_nested(e), EListError) << "the cause travels with it";
  }
}

TEST(CleanToTagOnOff, PairsEveryOpenerWithTheNextCloser) {
  const std::pair<String, String> cases[] = {
      {u"a<b>c", u"a\x19"
                 u"b\x18"
                 u"c"},
      {u"a<b", u"a<b"},
      {u"<<x>", u"\x19\x19x\x18"},
      {u"a>b<c", u"a>b<c"},
      {u"<a><b>", u"\x19"
                  u"a\x18\x19"
                  u"b\x18"},
      {u"", u""},
  };
  for (const auto &[text, expected] : cases)
    EXPECT_EQ(CleanToTagOnOff(text), expected) << StringToUTF8(text);
}

TEST(SearchEngine, ExplicitSentenceMarkupSwitchesOffTheOptionalSentenceCode) {
  // "a" SENTENCE-END "b cat": a client-built class array with a structure marker.
  const String text = u"a.b cat";
  const uint16_t *table = CType1Table();
  std::vector<uint16_t> classes(text.size() + 2, 0);
  for (size_t i = 0; i < text.size(); ++i)
    classes[i] = table[text[i]];
  classes[1] = match_class::kMarker | match_class::kSentenceEnd;
  for (const int32_t sentence_tags : {0, 1}) {
    TSearchAndDoEngine engine(true, true, kEnglish, classes.data());
    std::vector<TSearchFound_Rec> hits;
    engine.PrepareForConcordancing(
        u"f", text.c_str(), classes.data(), classes.data() + text.size() + 1, 14,
        static_cast<int32_t>(text.size()), 0, false,
        [&](TSearchAndDoEngine *, const TSearchFound_Rec &found) {
          hits.push_back(found);
          return true;
        },
        nullptr);
    engine.SetArrayOfTagsFound({0, sentence_tags, 0, 0, 0, 0, 0, 0});
    TSearch_word_format_rec cat = Word(u"cat");
    ASSERT_TRUE(engine.SearchAndDo(&cat));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].count_stats.number[stats_sentence], sentence_tags > 0 ? 0 : 1)
        << sentence_tags;
  }
}

TEST(SearchEngine, EightBitBuffersMatchInTheLocaleCodePage) {
  // windows-1252: "café" with é as 0xE9, and "don't" with a right single quote (0x92).
  const std::string bytes = "Caf\xE9 don\x92t ????";
  struct Case {
    const char16_t *typed;
    const char16_t *middles;
    size_t hits;
  };
  const Case cases[] = {
      {u"café", u"", 1},      {u"CAFÉ", u"", 1}, {u"don", u"", 1},
      {u"don", u"\u2019", 0}, // joined to "don't" once U+2019 is a middle character
      {u"λόγος", u"", 0},     // a word the code page cannot hold finds nothing, not "????"
  };
  for (const Case &c : cases) {
    TSearchAndDoEngine engine(false, true, kEnglish, nullptr);
    size_t hits = 0;
    engine.PrepareFirst(
        bytes.c_str(), static_cast<int32_t>(bytes.size()), 0,
        [&](TSearchAndDoEngine *, const TSearchFound_Rec &) { return ++hits > 0; }, nullptr);
    engine.HandleAllowables(c.middles, false, false);
    TSearch_word_format_rec item = Word(c.typed);
    ASSERT_TRUE(engine.SearchAndDo(&item));
    EXPECT_TRUE(item.copies_converted);
    EXPECT_EQ(hits, c.hits) << StringToUTF8(c.typed);
    EXPECT_EQ(engine.Codepage, 1252);
  }
}

TEST(SearchEngine, QuickSearchTreatsMarkupAsText) {
  struct Case {
    const char16_t *word;
    TMySearchFlags flags;
    const char16_t *text;
    bool found;
  };
  const TMySearchFlags whole{myLeftBounded, myRightBounded};
  const TMySearchFlags sensitive{myLeftBounded, myRightBounded, myCaseIsSensitive};
  const Case cases[] = {
      {u"cat", whole, u"the <cat> sat", true},
      {u"cat", whole, u"the Cat sat", true},
      {u"cat", sensitive, u"the Cat sat", false},
      {u"cat\x1D", TMySearchFlags{myLeftBounded}, u"catalogue", true},
      {u"cat", whole, u"ca", false},
      {u"\x1D cat", TMySearchFlags{myRightBounded}, u" cat", true}, // the star matches nothing
      {u"cat", whole, u"concat", false},
  };
  for (const Case &c : cases) {
    const String text = c.text;
    TWLSearchAndDo engine(true, true, kEnglish, nullptr);
    engine.PrepareFirst(text.c_str(), 0, 0, nullptr, nullptr);
    const uint16_t *end = engine.BufferDetailsEnd();
    engine.SetSearchWord(c.word, c.flags);
    EXPECT_EQ(engine.QuickSearchFoundIgnoringTags(), c.found) << StringToUTF8(c.text);
    EXPECT_EQ(engine.BufferDetailsEnd(), end) << "no pointer into the released array";
  }
}

} // namespace
} // namespace textcore
