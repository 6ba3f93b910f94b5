#include "strings/notify_string_list.h"

#include "platform/streams.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

using namespace std::literals;

struct Recorder {
  std::vector<int32_t> counts;
  TTellCountEvent Event() {
    return [this](int32_t count) { counts.push_back(count); };
  }
};

TEST(NotifyStringList, CallsBackEvery256thLineAndOnceAtTheEnd) {
  Recorder told;
  TNotifyStringlist list(told.Event());
  String text;
  for (int i = 0; i < 600; ++i)
    text += u"line\r\n";
  list.SetText(text);
  EXPECT_EQ(list.Count(), 600);
  EXPECT_EQ(told.counts, (std::vector<int32_t>{255, 511, 600}));

  told.counts.clear();
  list.SetText(u"");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(told.counts, std::vector<int32_t>{0});

  TNotifyStringlist silent; // no callback: nothing to tell
  silent.SetText(u"a\nb");
  EXPECT_EQ(silent.Count(), 2);
}

TEST(NotifyStringList, LinesEndAtCrLfCrOrLfOrOnlyAtAnotherBreak) {
  struct Case {
    const char16_t *line_break;
    StringView text;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {u"\r\n", u"a\r\nb\rc\nd", {u"a", u"b", u"c", u"d"}},
      {u"\r\n", u"a\n\rb\r\n", {u"a", u"", u"b"}},
      {u"\r\n", u"a\r\n\r\n", {u"a", u""}},
      {u"\r\n", u"nul\0in\r\nside"sv, {String(u"nul\0in", 6), u"side"}}, // NUL is a character
      {u"<br>", u"a<br>b\r\nc<br>", {u"a", u"b\r\nc"}},
      {u"<br>", u"<br><br>x<br", {u"", u"", u"x<br"}},
      {u"", u"a\nb", {u"a\nb"}},
  };
  for (const Case &c : cases) {
    TNotifyStringlist list;
    list.SetLineBreak(c.line_break);
    list.SetText(String(c.text));
    std::vector<String> lines;
    for (int32_t i = 0; i < list.Count(); ++i)
      lines.push_back(list.Strings(i));
    EXPECT_EQ(lines, c.lines) << StringToUTF8(c.text);
  }
}

TEST(NotifyStringList, LoadingAStreamReportsToo) {
  Recorder told;
  TNotifyStringlist list(told.Event());
  list.SetLineBreak(u"|");
  TMemoryStream stream;
  stream.WriteBuffer("a|b|c", 5);
  stream.SetPosition(0);
  list.LoadFromStream(stream, TEncoding::UTF8());
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(told.counts, std::vector<int32_t>{3});
  EXPECT_EQ(list.Text(), u"a|b|c|");
}

} // namespace
} // namespace textcore
