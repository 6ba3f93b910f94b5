// Writing and checking list headers; see list_signature.h.
#include "definitions/list_signature.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace textcore {

const std::array<int32_t, tool_type_count> CurrentSignature = {
    37,  // tt_wordlist
    37,  // tt_keywords
    36,  // tt_concord
    37,  // tt_controller
    38,  // tt_viewer_aligner
    37,  // tt_concgram
    36,  // tt_chargram
    37,  // tt_text_converter
    36,  // tt_web_download
    36,  // tt_minimal_pairs
    36,  // tt_file_utilities
    36,  // tt_splitter
    36,  // tt_renamer
    36,  // tt_corpus_builder
    36,  // tt_char_profiler
    36,  // tt_language_chooser
    36,  // tt_any_main_tool
    36,  // tt_spare1
    36,  // tt_spare2
    36,  // tt_spare3
    36,  // tt_reserved
    789, // tt_no_tool
};

namespace {

// An older writer named key-word databases so; they are read as today's.
constexpr std::string_view kOldDatabaseSignature = "KeyWords Database (v. 2)32";

std::string_view TextOf(const TCheckSignature &Sig) {
  return std::string_view(Sig.type_of_data.Text.data(), Sig.type_of_data.Length);
}

void SetText(TCheckSignature &Sig, std::string_view text) {
  const size_t length = std::min<size_t>(text.size(), kSignatureTextMax);
  Sig.type_of_data.Text.fill(0);
  std::memcpy(Sig.type_of_data.Text.data(), text.data(), length);
  Sig.type_of_data.Length = static_cast<uint8_t>(length);
}

} // namespace

bool HasSignatureText(const TCheckSignature &Sig) {
  return Sig.type_of_data.Length <= kSignatureTextMax;
}

bool DiskSignatureISOKForToolAndList(TCheckSignature &Sig, tool_type Tool, list_type ListType,
                                     TStream &Stream, TWriteOrRead WriteOrRead) {
  if (Tool >= tool_type_count || ListType >= list_type_count)
    return false;
  if (WriteOrRead == writing) {
    Sig.signature = CurrentSignature[Tool];
    SetText(Sig, list_signature32[ListType]);
    return Stream.Write(&Sig, kCheckSignatureSize) == kCheckSignatureSize;
  }
  if (ReadFully(Stream, &Sig, kCheckSignatureSize) != kCheckSignatureSize)
    return false;
  const std::string_view wanted = list_signature32[ListType].substr(0, kSignatureTextMax);
  return Sig.signature == CurrentSignature[Tool] && HasSignatureText(Sig) && TextOf(Sig) == wanted;
}

list_type DiskFileType(const TCheckSignature &Sig) {
  if (!HasSignatureText(Sig))
    return lt_none_in_use;
  const std::string_view text = TextOf(Sig);
  // lt_sorting is not looked for: its placeholder names no list a tool saves.
  for (int32_t i = 0; i < lt_sorting; ++i)
    if (text == list_signature32[i])
      return static_cast<list_type>(i);
  return text == kOldDatabaseSignature ? lt_KW_database_list : lt_none_in_use;
}

tool_type ToolTypeFromSignature(int32_t signature) {
  for (int32_t i = 0; i < tt_no_tool; ++i)
    if (CurrentSignature[i] == signature)
      return static_cast<tool_type>(i);
  return tt_no_tool;
}

bool CheckSignatureFromBytes(std::span<const uint8_t> bytes, TCheckSignature &Sig) {
  if (bytes.size() < static_cast<size_t>(kCheckSignatureSize))
    return false;
  std::memcpy(&Sig, bytes.data(), kCheckSignatureSize);
  return true;
}

} // namespace textcore
