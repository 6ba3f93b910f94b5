#include "definitions/list_signature.h"

#include "definitions/old_list_signature.h"
#include "support/stream_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::Contents;
using testsupport::Int32;
using testsupport::operator+;
using testsupport::StreamOf;

// A header as a writer lays it out: format number, three tool fields, then the text with zeros
// after it to the 57th byte.
Bytes Header(int32_t number, const std::string &text, int length = -1) {
  Bytes b = Int32(number) + Int32(7) + Int32(300) + Int32(400);
  b.push_back(static_cast<uint8_t>(length < 0 ? text.size() : length));
  b.insert(b.end(), text.begin(), text.end());
  b.resize(kCheckSignatureSize, 0);
  return b;
}

TCheckSignature Parsed(const Bytes &bytes) {
  TCheckSignature sig;
  EXPECT_TRUE(CheckSignatureFromBytes(bytes, sig));
  return sig;
}

TEST(ListSignature, WrittenHeadersAreByteExact) {
  const struct {
    tool_type tool;
    list_type kind;
    int32_t number;
    const char *text;
  } golden[] = {
      {tt_concord, lt_concordance_list, 36, "Concordance32"},
      {tt_wordlist, lt_word_list, 37, "Word List32"},
      {tt_viewer_aligner, lt_aligner_plaintext_list, 38, " Text List32"},
      {tt_concgram, lt_concgram_list, 37, "QMColliget List32"},
      {tt_no_tool, lt_notes, 789, "Notes"},
      {tt_keywords, lt_detailed_consistency_relations_list, 37,
       "Detailed Consistency Relations List32"},
  };
  for (const auto &g : golden) {
    TCheckSignature sig;
    sig.infosize = 7;
    sig.save_height = 300;
    sig.save_width = 400;
    sig.type_of_data.Text.fill('x'); // stale bytes of the caller's record are not written
    TMemoryStream out;
    ASSERT_TRUE(DiskSignatureISOKForToolAndList(sig, g.tool, g.kind, out, writing));
    EXPECT_EQ(Contents(out), Header(g.number, g.text)) << g.text;
    TMemoryStream in = StreamOf(Contents(out));
    TCheckSignature back;
    EXPECT_TRUE(DiskSignatureISOKForToolAndList(back, g.tool, g.kind, in, reading));
    EXPECT_EQ(DiskFileType(back), g.kind);
  }
}

TEST(ListSignature, ReadingChecksToolKindAndLength) {
  const Bytes concordance = Header(36, "Concordance32");
  const struct {
    Bytes bytes;
    tool_type tool;
    list_type kind;
    bool ok;
  } cases[] = {
      {concordance, tt_concord, lt_concordance_list, true},
      {concordance, tt_wordlist, lt_concordance_list, false}, // 37 is not 36
      {concordance, tt_concord, lt_concordance_plot_list, false},
      {Bytes(concordance.begin(), concordance.end() - 1), tt_concord, lt_concordance_list, false},
      {Header(36, "concordance32"), tt_concord, lt_concordance_list, false}, // case counts
      {Header(36, "Concordance32", 41), tt_concord, lt_concordance_list, false},
      {Header(36, "Concordance32", 255), tt_concord, lt_concordance_list, false},
      {Header(36, "Concordance32xx", 13), tt_concord, lt_concordance_list, true}, // L bytes only
      {concordance, static_cast<tool_type>(tool_type_count), lt_concordance_list, false},
      {concordance, tt_concord, static_cast<list_type>(list_type_count), false},
  };
  for (const auto &c : cases) {
    TMemoryStream in = StreamOf(c.bytes);
    TCheckSignature sig;
    EXPECT_EQ(DiskSignatureISOKForToolAndList(sig, c.tool, c.kind, in, reading), c.ok)
        << &c - cases;
  }
  TMemoryStream out;
  TCheckSignature sig;
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(sig, static_cast<tool_type>(200), lt_word_list, out,
                                               writing));
  EXPECT_EQ(out.Size(), 0);
}

TEST(ListSignature, DiskFileTypeNamesTheKindOfTheText) {
  const struct {
    Bytes bytes;
    list_type kind;
  } cases[] = {
      {Header(1, "Word List32"), lt_word_list},
      {Header(1, "KeyWords Database (v. 2)32"), lt_KW_database_list},
      {Header(1, "KeyWords Database32"), lt_KW_database_list},
      {Header(1, "spare10"), spare10},
      {Header(1, "lt_bol7"), lt_bol7},
      {Header(1, "lt_bol8"), lt_none_in_use}, // lt_sorting is never looked for
      {Header(1, "Word List"), lt_none_in_use},
      {Header(1, ""), lt_none_in_use},
      {Header(1, "Word List32", 41), lt_none_in_use},
      {Header(1, "Word List32", 255), lt_none_in_use},
  };
  for (const auto &c : cases)
    EXPECT_EQ(DiskFileType(Parsed(c.bytes)), c.kind) << &c - cases;
  TCheckSignature sig;
  EXPECT_FALSE(CheckSignatureFromBytes(Bytes(56, 0), sig));
}

TEST(ListSignature, FormatNumbersAndTheirFirstTools) {
  EXPECT_EQ(CurrentSignature[tt_text_converter], 37);
  EXPECT_EQ(CurrentSignature[tt_reserved], 36);
  EXPECT_EQ(ToolTypeFromSignature(36), tt_concord);
  EXPECT_EQ(ToolTypeFromSignature(37), tt_wordlist);
  EXPECT_EQ(ToolTypeFromSignature(38), tt_viewer_aligner);
  EXPECT_EQ(ToolTypeFromSignature(789), tt_no_tool); // the no-tool value is left out
  EXPECT_EQ(ToolTypeFromSignature(35), tt_no_tool);
}

Bytes Old(std::initializer_list<uint8_t> start, const std::string &text) {
  Bytes b(start);
  b.insert(b.end(), text.begin(), text.end());
  b.resize(kOldHeaderSize, 0);
  return b;
}

TEST(OldListSignature, EveryShapeOfOldHeader) {
  Bytes no_zero(kOldHeaderSize, 'A'); // a length and 40 letters, no zero byte anywhere
  no_zero[0] = 40;
  Bytes past_the_end = no_zero;
  past_the_end[0] = 41; // would need a 42nd byte
  const struct {
    Bytes bytes;
    bool found;
    list_type kind;
  } cases[] = {
      {Old({11}, "Word Lister"), true, lt_word_list},
      {Old({11, 0}, "Word Lister"), true, lt_word_list}, // the text starts a byte later
      {Old({12}, "Concordancer"), true, lt_concordance_list},
      {Old({10}, " Text List"), true, lt_aligner_plaintext_list},
      {Old({19}, "Wordlist Index List"), true, lt_wordlist_index_list},
      {Old({16}, "Ratio Stats List"), true, lt_timeline_list},
      {Old({11}, "Word Listerxyz"), true, lt_word_list}, // cut to L characters
      {Old({8}, "Word Lister"), false, lt_none_in_use},  // "Word Lis"
      {Old({14}, "Word Lister"), false, lt_none_in_use}, // a zero byte before L characters
      {Old({11}, "word lister"), false, lt_none_in_use},
      {Old({0}, ""), false, lt_none_in_use}, // the kinds without an old signature never match
      {Old({0, 0}, ""), false, lt_none_in_use},
      {no_zero, false, lt_none_in_use},
      {past_the_end, false, lt_none_in_use},
      {Old({255}, "Word Lister"), false, lt_none_in_use},
      {Bytes{11, 'W', 'o', 'r', 'd', ' ', 'L', 'i', 's', 't', 'e', 'r'}, false, lt_none_in_use},
  };
  for (const auto &c : cases) {
    list_type kind = lt_none_in_use;
    EXPECT_EQ(ListTypeFromOldHeader(c.bytes, kind), c.found) << &c - cases;
    EXPECT_EQ(kind, c.kind) << &c - cases;
  }
}

} // namespace
} // namespace textcore
