// Passing over runs far from the words sought: what is passed over, and where the windows after it
// stand.
#include "files/text_windows.h"

#include "platform/streams.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace textcore {
namespace {

const TWordForms kThe{{u't', u'T', u'T'}, {u'h', u'H', u'H'}, {u'e', u'E', u'E'}};

struct Read {
  int64_t stretched = 0; // units in the windows' stretches
  int64_t last_base = 0;
  TLineCounter at_last; // where the last window's stretch starts
  String last_units;
  size_t last_from = 0;
};

Read ReadAll(const std::string &bytes, const std::vector<TWordForms> &words, size_t kept_bytes) {
  TTextClassRules rules;
  rules.reach = 4;
  rules.classify = false;
  TTextWindowSizes sizes;
  sizes.window_units = 16;
  sizes.read_bytes = 64;
  sizes.longest_hit = 8;
  sizes.kept_bytes = kept_bytes;
  TTextWindowReader reader(rules, sizes, 1252, false);
  reader.SkipFarFrom(words);
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  reader.Begin(stream);
  Read read;
  std::unique_ptr<TTextWindow> window;
  TTextWindowSpan span;
  while (reader.Next(window, span)) {
    read.stretched += static_cast<int64_t>(span.to - span.from);
    read.last_base = window->Base();
    read.at_last = span.at_from;
    read.last_units = window->Units();
    read.last_from = span.from;
  }
  return read;
}

TEST(TextWindows, LongAsciiRunsFarFromTheWordsArePassedOver) {
  std::string filler;
  for (int i = 0; i < 400; ++i)
    filler += "abcdefgh\r\n";
  const std::string ascii = "the x\n" + filler + "at the end";
  struct Case {
    const char *what;
    std::string bytes;
    std::vector<TWordForms> words;
    size_t kept_bytes;
    bool passes_over;
  } cases[] = {
      {"ASCII", ascii, {kThe}, size_t{1} << 20, true},
      {"UTF-8 with a letter outside ASCII", "\xC3\xA9 " + ascii, {kThe}, size_t{1} << 20, true},
      {"no words", ascii, {}, size_t{1} << 20, false},
      {"a word with a form outside ASCII",
       ascii,
       {{{u'\u00E9', u'\u00C9', u'\u00C9'}}},
       1 << 20,
       false},
      {"too large to keep", ascii, {kThe}, 100, false},
      {"UTF-16", std::string("\xFF\xFE") + "t\0h\0e\0 \0", {kThe}, size_t{1} << 20, false},
  };
  for (const Case &c : cases) {
    const Read read = ReadAll(c.bytes, c.words, c.kept_bytes);
    const int64_t units = ReadAll(c.bytes, {}, c.kept_bytes).stretched;
    if (!c.passes_over) {
      EXPECT_EQ(read.stretched, units) << c.what;
      continue;
    }
    EXPECT_LT(read.stretched, units / 2) << c.what;
    // The last window still stands where the text has it: its end is the text's, and counting
    // lines from its stretch's start gives the text's last line, 402 lines down.
    EXPECT_EQ(read.last_base + static_cast<int64_t>(read.last_units.size()), units) << c.what;
    TLineCounter lines = read.at_last;
    lines.Pass(StringView(read.last_units).substr(read.last_from));
    EXPECT_EQ(lines.Line(), 402) << c.what;
    EXPECT_EQ(lines.Column(), 11) << c.what;
  }
}

} // namespace
} // namespace textcore
