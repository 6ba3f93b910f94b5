// 64 MiB of UTF-16 text made from the UTF-8 and UTF-16 sample texts, with its class array, for
// the benchmarks of the matcher and the engine. Built once per program.
#pragma once

#include "platform/encoding.h"
#include "platform/nls_char_types.h"
#include "platform/strings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace benchcorpus {

using textcore::String;

constexpr size_t kBytes = size_t{64} << 20;
constexpr size_t kUnits = kBytes / 2;

inline std::filesystem::path SamplesFolder() {
  if (const char *env = std::getenv("QUILLMARK_SAMPLES"))
    return env;
  return std::filesystem::path(__FILE__).parent_path().parent_path() / "samples";
}

// Every UTF-8 and UTF-16 sample, decoded after its mark, one after the other.
inline String SampleTexts() {
  String all;
  for (const auto &entry : std::filesystem::directory_iterator(SamplesFolder())) {
    const std::string name = entry.path().filename().string();
    if (name.find("_utf") == std::string::npos)
      continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const textcore::TBytes bytes{std::istreambuf_iterator<char>(in), {}};
    int32_t mark = 0;
    const textcore::TEncoding *encoding =
        textcore::TEncoding::GetBufferEncoding(bytes, textcore::TEncoding::UTF8(), mark);
    all += encoding->GetString(textcore::ByteSpan(bytes).subspan(static_cast<size_t>(mark)));
    all += u"\r\n";
  }
  return all;
}

struct Corpus {
  String text;
  std::vector<uint16_t> classes; // one per unit, then the terminator's, then one spare
};

inline const Corpus &TheCorpus() {
  static const Corpus corpus = [] {
    Corpus c;
    const String samples = SampleTexts();
    c.text.reserve(kUnits);
    while (c.text.size() + samples.size() <= kUnits)
      c.text += samples;
    c.text.resize(kUnits, u' ');
    const uint16_t *table = textcore::CType1Table();
    c.classes.resize(kUnits + 2);
    for (size_t i = 0; i < kUnits; ++i)
      c.classes[i] = table[c.text[i]];
    c.classes[kUnits] = c.classes[kUnits + 1] = table[0];
    return c;
  }();
  return corpus;
}

} // namespace benchcorpus
