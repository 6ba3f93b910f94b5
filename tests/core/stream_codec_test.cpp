// The stream encodings byte for byte, their limits, and what damaged or truncated streams do.
#include "core/my_file_stream.h"
#include "core/stream_codec.h"
#include "platform/exceptions.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace textcore;
using namespace testsupport;
using Op = std::function<void(TStream &)>;

// The message of the error that reading raises, or "" when it raises none.
String ReadError(const std::function<void()> &read) {
  try {
    read();
  } catch (const EReadError &e) {
    return e.Message();
  }
  return String();
}

String Expected(const char16_t *reader) { return u"file read error : " + String(reader); }

// A reader whose result is not wanted, and the name that its read error gives.
struct Reader {
  const char16_t *name;
  Op read;
};

// A stream that takes at most limit bytes in all, as a full disk would.
class FullStream : public TMemoryStream {
public:
  explicit FullStream(int64_t limit) : fLeft(limit) {}
  int64_t Write(const void *buffer, int64_t count) override {
    int64_t n = std::min(count, fLeft);
    fLeft -= n;
    return TMemoryStream::Write(buffer, n);
  }

private:
  int64_t fLeft;
};

TEST(StreamCodec, WritersProduceTheExactBytes) {
  const struct {
    const char *what;
    Op write;
    Bytes bytes;
  } cases[] = {
      {"empty string", [](TStream &s) { WriteAString(s, u""); }, {0, 0, 0, 0}},
      {"string",
       [](TStream &s) { WriteAString(s, u"A\u00E9\U0001F600"); },
       {4, 0, 0, 0, 'A', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE}},
      {"empty short string", [](TStream &s) { WriteShortString(s, ""); }, {0}},
      {"short string", [](TStream &s) { WriteShortString(s, "ab\xE9"); }, {3, 'a', 'b', 0xE9}},
      {"ANSI buffer", [](TStream &s) { WriteAnsiPchar(s, "xyz"); }, {3, 0, 'x', 'y', 'z'}},
      {"null ANSI buffer", [](TStream &s) { WriteAnsiPchar(s, nullptr); }, {0, 0}},
      {"wide buffer", [](TStream &s) { WriteWidePchar(s, u"hi"); }, {2, 0, 0, 0, 'h', 0, 'i', 0}},
      {"wide block",
       [](TStream &s) { EXPECT_TRUE(WriteKnownLengthPointer(s, u"ab", true, 2)); },
       {2, 0, 0, 0, 'a', 0, 'b', 0}},
      {"ANSI block",
       [](TStream &s) { EXPECT_TRUE(WriteUnknownLengthPointer(s, "ab", false)); },
       {2, 0, 0, 0, 'a', 'b'}},
      {"null block",
       [](TStream &s) { EXPECT_TRUE(WriteUnknownLengthPointer(s, nullptr, true)); },
       {0, 0, 0, 0}},
      {"empty wide block",
       [](TStream &s) { WriteKnownLengthPointer(s, u"ab", true, 0); },
       {0, 0, 0, 0}},
      {"negative count",
       [](TStream &s) { WriteKnownLengthPointer(s, u"ab", true, -5); },
       {0, 0, 0, 0}},
      {"part of a block",
       [](TStream &s) { WriteKnownLengthPointer(s, "ab", false, 1); },
       {1, 0, 0, 0, 'a'}},
  };
  for (const auto &c : cases) {
    TMemoryStream s;
    c.write(s);
    EXPECT_EQ(Contents(s), c.bytes) << c.what;
  }
}

TEST(StreamCodec, TMyFileStreamWritesAShortString) {
  testsupport::TempFolder folder;
  String name = UTF8ToString(folder.File("short.bin"));
  {
    TMyFileStream file(name, fmCreate);
    EXPECT_TRUE(file.WriteAShortString("corpus"));
  }
  TFileStream file(name, fmOpenRead);
  EXPECT_EQ(file.Size(), 7);
  EXPECT_EQ(ReadShortString(file), "corpus");
}

TEST(StreamCodec, ReadersRestoreWhatWasWritten) {
  TMemoryStream s;
  String text = u"w\u00F6rter\r\n\U00010400";
  WriteAString(s, text);
  WriteShortString(s, "kurz");
  WriteAnsiPchar(s, "ansi");
  WriteWidePchar(s, u"wide");
  WriteUnknownLengthPointer(s, "block", false);
  WriteAString(s, u"");
  s.SetPosition(0);
  EXPECT_EQ(ReadAString(s), text);
  EXPECT_EQ(ReadShortString(s), "kurz");
  EXPECT_STREQ(ReadAnsiPchar(s).get(), "ansi");
  EXPECT_EQ(StringView(ReadWidePchar(s).get()), u"wide");
  TPointerBuffer block = ReadUnknownLengthPointer(s, false);
  EXPECT_STREQ(static_cast<const char *>(block.get()), "block");
  EXPECT_EQ(temp_pointer_chars_allocated, 5);
  EXPECT_EQ(ReadAString(s), u"");
  EXPECT_EQ(s.Position(), s.Size());
}

TEST(StreamCodec, EmptyBlocksReadAsAFreshTerminatorOfEitherWidth) {
  for (bool wide : {true, false}) {
    TMemoryStream s = StreamOf({0, 0, 0, 0});
    temp_pointer_chars_allocated = 99;
    TPointerBuffer b = ReadUnknownLengthPointer(s, wide);
    ASSERT_NE(b.get(), nullptr);
    EXPECT_NE(b.get(), static_cast<const void *>(nowt));
    const bool terminator_only = wide ? static_cast<const char16_t *>(b.get())[0] == 0
                                      : static_cast<const char *>(b.get())[0] == 0;
    EXPECT_TRUE(terminator_only);
    EXPECT_EQ(temp_pointer_chars_allocated, 0);
    EXPECT_EQ(s.Position(), 4);
  }
}

// The string, the wide buffer and the wide block are one encoding with three names.
TEST(StreamCodec, TheThreeUtf16FormsAreInterchangeable) {
  const String text = u"Kon\u00ADtext \u05E9\u05DC\u05D5\u05DD";
  const Op writers[] = {
      [&](TStream &s) { WriteAString(s, text); },
      [&](TStream &s) { WriteWidePchar(s, text.c_str()); },
      [&](TStream &s) { WriteUnknownLengthPointer(s, text.c_str(), true); },
      [&](TStream &s) {
        WriteKnownLengthPointer(s, text.data(), true, static_cast<int32_t>(text.size()));
      },
  };
  const std::function<String(TStream &)> readers[] = {
      [](TStream &s) { return ReadAString(s); },
      [](TStream &s) { return String(ReadWidePchar(s).get()); },
      [](TStream &s) {
        return String(static_cast<const char16_t *>(ReadUnknownLengthPointer(s, true).get()));
      },
  };
  Bytes first;
  for (const auto &write : writers) {
    TMemoryStream written;
    write(written);
    if (first.empty())
      first = Contents(written);
    EXPECT_EQ(Contents(written), first);
    for (const auto &read : readers) {
      TMemoryStream s = StreamOf(Contents(written));
      EXPECT_EQ(read(s), text);
      EXPECT_EQ(s.Position(), s.Size());
    }
  }
}

TEST(StreamCodec, AMismatchedWidthFlagReadsTheStreamOutOfStep) {
  TMemoryStream s;
  const char16_t wide[] = u"ab";
  WriteUnknownLengthPointer(s, wide, true); // 2, then 'a' 0 'b' 0
  WriteAString(s, u"next");
  s.SetPosition(0);
  TPointerBuffer b = ReadUnknownLengthPointer(s, false);
  EXPECT_EQ(std::string(static_cast<const char *>(b.get()), 2), std::string("a\0", 2));
  EXPECT_EQ(s.Position(), 6);
  // What follows is now read from the middle of the block: 'b' 0 and half a count.
  EXPECT_NE(ReadError([&] { ReadAString(s); }), String());
}

TEST(StreamCodec, LimitsAcceptTheMaximumAndRefuseOneMore) {
  const String at_limit(5000, u'x'), over_limit(5001, u'x');
  const std::string block_at(50000, 'b'), block_over(50001, 'b');
  const char16_t *string = u"ReadAString", *block = u"ReadUnknownLengthPointer";
  const struct {
    const char *what;
    Op write, read;
    bool accepted;
    const char16_t *reader;
  } cases[] = {
      {"string at the safety limit", [&](TStream &s) { WriteAString(s, at_limit); },
       [](TStream &s) { EXPECT_EQ(ReadAString(s).size(), 5000u); }, true, string},
      {"string over the safety limit", [&](TStream &s) { WriteAString(s, over_limit); },
       [](TStream &s) { ReadAString(s); }, false, string},
      {"string at an explicit maximum", [](TStream &s) { WriteAString(s, u"abc"); },
       [](TStream &s) { EXPECT_EQ(ReadAString(s, 3), u"abc"); }, true, string},
      {"string over an explicit maximum", [](TStream &s) { WriteAString(s, u"abcd"); },
       [](TStream &s) { ReadAString(s, 3); }, false, string},
      {"negative string count", [](TStream &s) { s.WriteBuffer(Int32(-1).data(), 4); },
       [](TStream &s) { ReadAString(s, 1 << 30); }, false, string},
      {"block at the default maximum",
       [&](TStream &s) { WriteUnknownLengthPointer(s, block_at.c_str(), false); },
       [](TStream &s) { ReadUnknownLengthPointer(s, false); }, true, block},
      {"block over the default maximum",
       [&](TStream &s) { WriteUnknownLengthPointer(s, block_over.c_str(), false); },
       [](TStream &s) { ReadUnknownLengthPointer(s, false); }, false, block},
      {"block over an explicit maximum", [](TStream &s) { WriteAString(s, u"abcd"); },
       [](TStream &s) { ReadUnknownLengthPointerMaxSize(s, true, 3); }, false, block},
      {"negative block count", [](TStream &s) { s.WriteBuffer(Int32(-1).data(), 4); },
       [](TStream &s) { ReadUnknownLengthPointer(s, true); }, false, block},
      {"negative wide buffer count", [](TStream &s) { s.WriteBuffer(Int32(-2).data(), 4); },
       [](TStream &s) { ReadWidePchar(s); }, false, u"ReadWidePchar"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryStream s;
    c.write(s);
    s.SetPosition(0);
    String error = ReadError([&] { c.read(s); });
    EXPECT_EQ(error, c.accepted ? String() : Expected(c.reader));
    // A refused count leaves the stream just after its count field.
    EXPECT_EQ(s.Position(), c.accepted ? s.Size() : 4);
  }
}

TEST(StreamCodec, TheSafetyLimitCanBeChanged) {
  TMemoryStream s;
  WriteAString(s, u"0123456789");
  const int32_t saved = global_string_safety_limit;
  global_string_safety_limit = 9;
  s.SetPosition(0);
  EXPECT_EQ(ReadError([&] { ReadAString(s); }), Expected(u"ReadAString"));
  global_string_safety_limit = 10;
  s.SetPosition(0);
  EXPECT_EQ(ReadAString(s), u"0123456789");
  global_string_safety_limit = saved;
}

TEST(StreamCodec, ARefusedBlockCountIsStillReported) {
  TMemoryStream s = StreamOf(Int32(70000));
  EXPECT_NE(ReadError([&] { ReadUnknownLengthPointer(s, true); }), String());
  EXPECT_EQ(temp_pointer_chars_allocated, 70000);
}

TEST(StreamCodec, OverlongTextsKeepTheLongestPrefixThatFits) {
  TMemoryStream s;
  WriteShortString(s, std::string(255, 's'));
  WriteShortString(s, std::string(300, 's'));
  WriteAnsiPchar(s, std::string(65535, 'a').c_str());
  WriteAnsiPchar(s, std::string(70000, 'a').c_str());
  WriteAString(s, u"end");
  s.SetPosition(0);
  EXPECT_EQ(ReadShortString(s), std::string(255, 's'));
  EXPECT_EQ(ReadShortString(s), std::string(255, 's'));
  EXPECT_EQ(std::strlen(ReadAnsiPchar(s).get()), 65535u);
  EXPECT_EQ(std::strlen(ReadAnsiPchar(s).get()), 65535u);
  EXPECT_EQ(ReadAString(s), u"end");
}

TEST(StreamCodec, DamagedAndTruncatedStreamsRaiseTheReadError) {
  const Reader string{u"ReadAString", [](TStream &s) { ReadAString(s); }},
      huge_string{u"ReadAString", [](TStream &s) { ReadAString(s, 0x7FFFFFFF); }},
      short_string{u"ReadShortString", [](TStream &s) { ReadShortString(s); }},
      ansi{u"ReadAnsiPchar", [](TStream &s) { ReadAnsiPchar(s); }},
      wide{u"ReadWidePchar", [](TStream &s) { ReadWidePchar(s); }},
      wide_block{u"ReadUnknownLengthPointer",
                 [](TStream &s) { ReadUnknownLengthPointer(s, true); }},
      ansi_block{u"ReadUnknownLengthPointer",
                 [](TStream &s) { ReadUnknownLengthPointer(s, false); }};
  const struct {
    const char *what;
    Bytes bytes;
    const Reader &reader;
  } cases[] = {
      {"no count at all", {}, string},
      {"half a count", {1, 0}, string},
      {"string cut short", Int32(3) + Bytes{'a', 0, 'b'}, string},
      {"string count beyond the stream under a huge maximum", Int32(0x7FFFFFFF), huge_string},
      {"no length byte", {}, short_string},
      {"short string cut short", {5, 'a', 'b'}, short_string},
      {"ANSI count beyond the stream", {0xFF, 0xFF, 'a'}, ansi},
      {"ANSI count cut short", {7}, ansi},
      {"wide count beyond the stream", Int32(0x7FFFFFFF) + Bytes{'a', 0}, wide},
      {"wide buffer cut mid-unit", Int32(2) + Bytes{'a', 0, 'b'}, wide},
      {"wide block cut short", Int32(4) + Bytes{'a', 0}, wide_block},
      {"ANSI block cut short", Int32(4) + Bytes{'a'}, ansi_block},
  };
  for (const auto &c : cases) {
    TMemoryStream s = StreamOf(c.bytes);
    EXPECT_EQ(ReadError([&] { c.reader.read(s); }), Expected(c.reader.name)) << c.what;
    // The same bytes through a stream that cannot tell its size fail the same way.
    PipeStream pipe(c.bytes, 3); // a little at a time, as pipes deliver
    EXPECT_EQ(ReadError([&] { c.reader.read(pipe); }), Expected(c.reader.name))
        << c.what << " (pipe)";
  }
}

TEST(StreamCodec, StreamsOfUnknownSizeReadWhole) {
  TMemoryStream written;
  String text(100000, u'q');
  WriteAString(written, text);
  WriteWidePchar(written, u"tail");
  PipeStream pipe(Contents(written), 3);
  EXPECT_EQ(ReadAString(pipe, 100000), text);
  EXPECT_EQ(StringView(ReadWidePchar(pipe).get()), u"tail");
}

TEST(StreamCodec, ShortWritesAreNeverReportedAsSuccess) {
  const String text(300, u'z');
  const struct {
    int64_t room; // the bytes the stream takes before it is full
    Op write;
  } cases[] = {
      {100, [&](TStream &s) { EXPECT_THROW(WriteAString(s, text), EWriteError); }},
      {3, [](TStream &s) { EXPECT_THROW(WriteShortString(s, "abcd"), EWriteError); }},
      {3, [](TStream &s) { EXPECT_THROW(WriteAnsiPchar(s, "abcd"), EWriteError); }},
      {10, [](TStream &s) { EXPECT_THROW(WriteWidePchar(s, u"abcd"), EWriteError); }},
      {6, [](TStream &s) { EXPECT_FALSE(WriteKnownLengthPointer(s, u"abcd", true, 4)); }},
      {2, [](TStream &s) { EXPECT_FALSE(WriteUnknownLengthPointer(s, nullptr, false)); }},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    FullStream s(cases[i].room);
    cases[i].write(s);
  }
}

} // namespace
