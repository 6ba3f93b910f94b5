// Reading a text window by window: the first bytes pick the code page, the window and read sizes,
// the class rules, whether the text is kept from its first reading and whether runs far from the
// word "the" are passed over; the rest is a file's content. However small the windows, their
// stretches tile the text but for runs passed over, which are ASCII and far from every "the";
// every unit and every final class word (bar those within reach of such a run) is the one the
// text has in a single window, and each stretch starts at the line and column the whole text has
// there.
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
  if ((data[1] & 0x40) != 0)
    tiny.kept_bytes = 0; // read twice
  const bool skipping = (data[1] & 0x80) != 0;
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
  const TWordForms the{{u't', u'T', u'T'}, {u'h', u'H', u'H'}, {u'e', u'E', u'E'}};
  if (skipping)
    reader.SkipFarFrom({the});
  auto stream = StreamOf(bytes);
  reader.Begin(*stream);
  int64_t next_from = 0;
  TLineCounter lines;
  bool last = false;
  bool gap_due = false;
  // Runs passed over, and the final classes of each window, checked once the runs are known.
  std::vector<std::pair<size_t, size_t>> passed;
  std::vector<std::pair<size_t, std::vector<uint16_t>>> finals;
  while (reader.Next(window, span)) {
    FUZZ_CHECK(!last);
    last = span.last;
    const int64_t base = window->Base();
    const int64_t from = base + static_cast<int64_t>(span.from);
    FUZZ_CHECK(from >= next_from);
    FUZZ_CHECK(gap_due == (from > next_from));
    if (from > next_from) {
      // Passed over: ASCII, far from every "the", and starting a window of its own.
      FUZZ_CHECK(skipping && span.from == 0);
      const size_t gap_from = static_cast<size_t>(next_from), gap_to = static_cast<size_t>(from);
      const size_t margin = 2 * static_cast<size_t>(rules.reach) + 2 * 4 + 16;
      for (size_t i = gap_from; i < gap_to; ++i)
        FUZZ_CHECK(whole.units[i] < 0x80);
      for (size_t i = gap_from - std::min(gap_from, margin + 2);
           i + 3 <= std::min(whole.units.size(), gap_to + margin); ++i) {
        bool found = true;
        for (size_t k = 0; k < 3; ++k)
          found = found && (whole.units[i + k] == the[k][0] || whole.units[i + k] == the[k][1]);
        FUZZ_CHECK(!found);
      }
      lines.Pass(StringView(whole.units).substr(gap_from, gap_to - gap_from));
      passed.emplace_back(gap_from, gap_to);
    }
    FUZZ_CHECK(span.from <= span.to && span.to <= span.search_to &&
               span.search_to <= window->Size());
    FUZZ_CHECK(span.at_from.Line() == lines.Line() && span.at_from.Column() == lines.Column());
    for (size_t i = 0; i < window->Size(); ++i)
      FUZZ_CHECK(window->Units()[i] == whole.units[static_cast<size_t>(base) + i]);
    finals.emplace_back(
        static_cast<size_t>(base),
        std::vector<uint16_t>(window->Classes(), window->Classes() + window->FinalEnd()));
    FUZZ_CHECK(window->FinalEnd() >= span.search_to);
    // A window that ends before a run passed over ends as a text does.
    const bool before_passed = !span.last && span.to == window->Size();
    FUZZ_CHECK(span.last || before_passed ||
               window->FinalEnd() >= span.to + 2 * 7 + static_cast<size_t>(rules.reach));
    gap_due = before_passed;
    lines.Pass(StringView(window->Units()).substr(span.from, span.to - span.from));
    next_from = base + static_cast<int64_t>(span.to);
  }
  FUZZ_CHECK(last && next_from == static_cast<int64_t>(whole.units.size()));
  // A class may differ from the whole text's only within reach of a run passed over.
  const size_t near = static_cast<size_t>(rules.reach) + 2;
  for (const auto &[base, classes] : finals)
    for (size_t i = 0; i < classes.size(); ++i) {
      const size_t at = base + i;
      bool beside_passed = false;
      for (const auto &[gap_from, gap_to] : passed)
        beside_passed = beside_passed || (at + near >= gap_from && at < gap_to + near);
      FUZZ_CHECK(beside_passed || classes[i] == whole.classes[at]);
    }
  return 0;
}
