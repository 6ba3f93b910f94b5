// Reading a text window by window: the first bytes pick the code page, the window and read sizes
// and the class rules, the rest is a file's content. However small the windows, their stretches
// tile the text, every unit and every final class word is the one the text has in a single
// window, and each stretch starts at the line and column the whole text has there.
#include "files/text_windows.h"
#include "fuzz/fuzz_check.h"
#include "platform/streams.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kCodePages[] = {1252, 1251, 932, 936, 874};

struct Whole {
  textcore::String units;
  std::vector<uint16_t> classes;
};

std::unique_ptr<textcore::TMemoryStream> StreamOf(std::string_view bytes) {
  auto stream = std::make_unique<textcore::TMemoryStream>();
  stream->Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  return stream;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace textcore;
  if (size < 4)
    return 0;
  const uint32_t code_page = kCodePages[data[0] % std::size(kCodePages)];
  TTextWindowSizes tiny;
  tiny.window_units = 1 + data[1] % 32;
  tiny.read_bytes = 1 + data[2] % 32;
  tiny.longest_hit = 6;
  TTextClassRules rules;
  rules.markup = (data[3] & 1) != 0;
  rules.pairs = {u'<', u'[', 0, 0, 0, 0, u'>', u']', 0, 0, 0, 0};
  rules.middles = (data[3] & 2) != 0 ? u"'-" : u"";
  rules.reach = 1 + data[3] % 16;
  const std::string_view bytes(reinterpret_cast<const char *>(data + 4), size - 4);

  TTextWindowSizes one = tiny;
  one.window_units = size_t{1} << 30;
  TTextWindowReader whole_reader(rules, one, code_page, true);
  auto whole_stream = StreamOf(bytes);
  whole_reader.Begin(*whole_stream);
  std::unique_ptr<TTextWindow> window;
  TTextWindowSpan span;
  FUZZ_CHECK(whole_reader.Next(window, span) && span.last && span.from == 0);
  const Whole whole{window->Units(),
                    std::vector<uint16_t>(window->Classes(), window->Classes() + window->Size())};
  FUZZ_CHECK(!whole_reader.Next(window, span));

  TTextWindowReader reader(rules, tiny, code_page, true);
  auto stream = StreamOf(bytes);
  reader.Begin(*stream);
  int64_t next_from = 0;
  TLineCounter lines;
  bool last = false;
  while (reader.Next(window, span)) {
    FUZZ_CHECK(!last);
    last = span.last;
    const int64_t base = window->Base();
    FUZZ_CHECK(base + static_cast<int64_t>(span.from) == next_from);
    FUZZ_CHECK(span.from <= span.to && span.to <= span.search_to &&
               span.search_to <= window->Size());
    FUZZ_CHECK(span.at_from.Line() == lines.Line() && span.at_from.Column() == lines.Column());
    for (size_t i = 0; i < window->Size(); ++i)
      FUZZ_CHECK(window->Units()[i] == whole.units[static_cast<size_t>(base) + i]);
    for (size_t i = 0; i < window->FinalEnd(); ++i)
      FUZZ_CHECK(window->Classes()[i] == whole.classes[static_cast<size_t>(base) + i]);
    FUZZ_CHECK(window->FinalEnd() >= span.search_to);
    FUZZ_CHECK(span.last ||
               window->FinalEnd() >= span.to + 2 * 7 + static_cast<size_t>(rules.reach));
    lines.Pass(StringView(window->Units()).substr(span.from, span.to - span.from));
    next_from = base + static_cast<int64_t>(span.to);
  }
  FUZZ_CHECK(last && next_from == static_cast<int64_t>(whole.units.size()));
  return 0;
}
