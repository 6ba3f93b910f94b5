// Translations of the message catalogue, loaded at run time.
//
// A translation file holds one entry a line: the message's name, a TAB, and the translated text,
// in which \r, \n, \t and \\ stand for a carriage return, a line feed, a TAB and a backslash.
// Blank lines and lines starting with "#" are skipped. The file is UTF-8, or UTF-16 in either
// byte order (with a byte-order mark, or recognised by the zero byte beside the first letter).
//
// A line is refused, and the built-in text kept, when its name is unknown, its text is empty, it
// repeats an earlier name, or its placeholders differ from the built-in text's: a text that
// would read its values differently must never reach Format. Each refusal is one line of the
// result (and of the log), naming the line and the reason.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

struct TTranslationResult {
  int32_t applied = 0;          // entries whose text the translation replaced
  std::vector<String> refusals; // one line for each refused line of the translation
};

// Replaces the current texts with the built-in ones overlaid by the translation's entries.
// Entries the translation does not mention keep their built-in text.
TTranslationResult ApplyTranslation(StringView translation);

// Reads file_name (a regular file of at most kMaxTranslationFileBytes) and applies it. False,
// with the texts unchanged and the reason in result's refusals, when the file cannot be read.
constexpr int64_t kMaxTranslationFileBytes = 16 * 1024 * 1024;
bool LoadTranslationFile(const String &file_name, TTranslationResult &result);

// Returns every message to its built-in text.
void UseBuiltinTexts();

} // namespace textcore
