// The output written on a thread of its own: every byte in order, and a failure of the sink
// reported to the writer rather than lost.
#include "tools/qmark/command_streams.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace qmark {
namespace {

TEST(BackgroundSink, WritesEveryChunkInOrderAndReportsAFailureOnce) {
  std::string written;
  {
    BackgroundSink background([&written](std::string_view bytes) { written.append(bytes); });
    const TextSink sink = background.Sink();
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
      const std::string chunk = std::to_string(i) + ",";
      sink(chunk);
      expected += chunk;
    }
    background.Drain();
    EXPECT_EQ(written, expected);
  }
  int calls = 0;
  BackgroundSink failing([&calls](std::string_view) {
    ++calls;
    throw std::runtime_error("disk full");
  });
  const TextSink sink = failing.Sink();
  sink("a");
  EXPECT_THROW(failing.Drain(), std::runtime_error);
  sink("b"); // nothing more is handed to a sink that failed
  EXPECT_NO_THROW(failing.Drain());
  EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace qmark
