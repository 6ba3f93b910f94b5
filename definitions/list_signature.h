// The header at the start of every saved list file: the writing tool's format number and the
// text signature of the list kind, written and checked here; the tool's own data follows it.
//
// Header (57 bytes, little-endian):
//   0   4  signature     the writing tool's format number (CurrentSignature)
//   4   4  infosize      }
//   8   4  save_height   } the writing tool's own; carried, never interpreted here
//   12  4  save_width    }
//   16  1  length L of the text signature, 0 to 40
//   17  40 the text signature, L bytes of 8-bit text; written with zeros after it
// A length above 40 cannot come from a writer, so such a header carries no signature at all.
#pragma once

#include "definitions/list_types.h"
#include "definitions/tool_types.h"
#include "platform/streams.h"
#include "platform/strings.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "list headers are little-endian");

// The format number each tool writes into its headers: 37 for the word-list, key-words,
// controller, text-converter and concgram tools, 38 for the viewer-aligner, 36 for the others,
// 789 for tt_no_tool.
extern const std::array<int32_t, tool_type_count> CurrentSignature;

// The text length a header holds.
constexpr int32_t kSignatureTextMax = 40;
// The header's size, and the least size of a list file: a file must be longer than this.
constexpr int32_t kCheckSignatureSize = 57;

#pragma pack(push, 1)
// A short string of up to 40 bytes: the length, then the text.
struct TSignatureText {
  uint8_t Length = 0;
  std::array<char, kSignatureTextMax> Text{};
};

struct TCheckSignature {
  int32_t signature = 0;
  int32_t infosize = 0;
  int32_t save_height = 0;
  int32_t save_width = 0;
  TSignatureText type_of_data;
};
#pragma pack(pop)

static_assert(sizeof(TSignatureText) == 41);
static_assert(sizeof(TCheckSignature) == kCheckSignatureSize);
static_assert(offsetof(TCheckSignature, infosize) == 4);
static_assert(offsetof(TCheckSignature, save_height) == 8);
static_assert(offsetof(TCheckSignature, save_width) == 12);
static_assert(offsetof(TCheckSignature, type_of_data) == 16);
static_assert(offsetof(TCheckSignature, type_of_data) + offsetof(TSignatureText, Text) == 17);

enum TWriteOrRead : uint8_t { writing, reading };

// writing: sets signature to CurrentSignature[Tool] and the text to the kind's signature (the
// first 40 bytes, zeros after them), then writes the 57 bytes; the caller has set the other
// three fields. True when all 57 were written.
// reading: reads 57 bytes into Sig; true when all came, signature is CurrentSignature[Tool] and
// the text is the kind's signature exactly.
// A Tool or ListType beyond its enumeration gives false and moves nothing. Errors of the
// stream reach the caller.
bool DiskSignatureISOKForToolAndList(TCheckSignature &Sig, tool_type Tool, list_type ListType,
                                     TStream &Stream, TWriteOrRead WriteOrRead);

// The kind whose signature the header's text is, among the values up to lt_bol7; a header
// naming "KeyWords Database (v. 2)32" is a key-word database; any other text, and a header whose
// length is above 40, gives lt_none_in_use.
list_type DiskFileType(const TCheckSignature &Sig);

// Whether the header's length is one a writer can give (0 to 40).
bool HasSignatureText(const TCheckSignature &Sig);

// The first tool (in enumeration order, tt_no_tool left out) whose format number is signature;
// tt_no_tool when none has it.
tool_type ToolTypeFromSignature(int32_t signature);

// The header in the first 57 bytes; false when fewer are given.
bool CheckSignatureFromBytes(std::span<const uint8_t> bytes, TCheckSignature &Sig);

} // namespace textcore
