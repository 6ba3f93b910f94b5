// The text of a word-processor document (.docx): the paragraphs of its main document part.
//
// The part is the archive's first entry named "document.xml" in any case (in any folder, "/" or
// "\" before it; normally "word/document.xml"). Its text is the contents of the "<w:t>" elements
// of each "<w:p>" paragraph, joined, with CR LF after each paragraph. The XML is scanned plainly
// rather than parsed: entities stay as they are written ("&amp;"), and an element counts only
// when its name ends where a space, ">" or "/" comes ("<w:tab/>" and "<w:pPr>" are neither).
// A paragraph inside another (a text box) ends with its own CR LF, and the outer one goes on.
// A text run that the part never closes (a damaged part) ends the text.
//
// The part is extracted with at most limit bytes (the archive's own claim of its size is never
// trusted for anything), so neither a zip bomb nor a damaged archive costs more than that.
#pragma once

#include "platform/strings.h"
#include "platform/zip_archive.h"

#include <cstdint>
#include <string_view>

namespace textcore {

// The most bytes of document XML read (64 MiB: many times any real document's).
constexpr int64_t kDOCXDocumentLimit = int64_t{64} << 20;

// The paragraphs' text of document XML (UTF-8; bytes that are not become U+FFFD).
String DOCXDocumentText(std::string_view xml);

// The text of the open archive's main document part. False, with the reason in words, when the
// archive has no such part, the part is larger than limit or it cannot be extracted.
bool DOCXArchiveText(TZipArchive &archive, String &text, String &reason,
                     int64_t limit = kDOCXDocumentLimit);

// The text of the document filename: "" when the file does not exist or is no readable document.
String DOCXFileText(const String &filename);

} // namespace textcore
