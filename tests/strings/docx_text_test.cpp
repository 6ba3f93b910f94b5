#include "strings/docx_text.h"

#include "platform/file_names.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <utility>

namespace textcore {
namespace {

using testsupport::ReadBytes;
using testsupport::WriteBytes;
using testsupport::WriteZip;

std::string Document(const std::string &body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
         "<w:body>" +
         body + "</w:body></w:document>";
}

TEST(DOCXText, ParagraphsAndTheirTextRuns) {
  const std::pair<const char *, const char16_t *> cases[] = {
      {"<w:p><w:r><w:t>Hello</w:t></w:r><w:r><w:t xml:space=\"preserve\"> world </w:t></w:r></w:p>",
       u"Hello world \r\n"},
      // Paragraph properties, proof marks and tabs are no paragraphs and no text.
      {"<w:p w:rsidR=\"00A1\"><w:pPr><w:pStyle w:val=\"T\"/></w:pPr><w:proofErr w:type=\"x\"/>"
       "<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t></w:r></w:p>",
       u"ab\r\n"},
      {"<w:p/><w:p w:rsidR=\"1\"/><w:p><w:r><w:t/></w:r></w:p>", u"\r\n"},
      // Entities stay as written; UTF-8 is decoded.
      {"<w:p><w:r><w:t>R&amp;D &lt;x&gt; caf\xC3\xA9 \xE2\x82\xAC</w:t></w:r></w:p>",
       u"R&amp;D &lt;x&gt; caf\u00E9 \u20AC\r\n"},
      // A text-box paragraph inside another ends on its own; the outer one goes on.
      {"<w:p><w:r><w:t>out</w:t><w:txbxContent><w:p><w:r><w:t>in</w:t></w:r></w:p>"
       "</w:txbxContent><w:t>side</w:t></w:r></w:p>",
       u"outin\r\nside\r\n"},
      // Text outside any paragraph, and damaged endings, give what stood in paragraphs.
      {"<w:t>loose</w:t><w:p><w:r><w:t>a</w:t><w:t>cut", u"a"},
      {"<w:p><w:r><w:t", u""},
      {"</w:p></w:p><w:p><w:r><w:t>x</w:t></w:r></w:p>", u"x\r\n"},
  };
  for (const auto &[body, text] : cases)
    EXPECT_EQ(DOCXDocumentText(Document(body)), text) << body;
}

// Real archives: the part is the first entry named document.xml in any case and folder, stored
// or deflated; anything that is no such archive gives "".
TEST(DOCXText, FindsTheDocumentPartInArchives) {
  testsupport::TempFolder folder;
  const std::string one = Document("<w:p><w:r><w:t>one</w:t></w:r></w:p>");
  const std::string two = Document("<w:p><w:r><w:t>two</w:t></w:r></w:p>");
  WriteZip(folder.File("deflated.docx"), {{.name = "[Content_Types].xml", .data = "<Types/>"},
                                          {.name = "word/document.xml", .data = one},
                                          {.name = "word/glossary/document.xml", .data = two}});
  WriteZip(folder.File("stored.docx"),
           {{.name = "word\\Document.XML", .data = two, .stored = true}});
  WriteZip(folder.File("deeper-first.docx"), {{.name = "a/b/c/document.xml", .data = two},
                                              {.name = "word/document.xml", .data = one}});
  WriteZip(folder.File("none.docx"),
           {{.name = "word/documents.xml", .data = one}, {.name = "word/", .directory = true}});
  WriteZip(folder.File("empty-part.docx"), {{.name = "word/document.xml", .data = ""}});
  WriteBytes(folder.File("text.docx"), "<w:p><w:t>not a zip</w:t></w:p>");
  const std::string good = ReadBytes(folder.File("stored.docx"));
  WriteBytes(folder.File("huge.docx"), testsupport::WithDeclaredSize(good, 0xFFFFFFF0u));
  WriteBytes(folder.File("short.docx"), testsupport::WithDeclaredSize(good, 10));
  WriteBytes(folder.File("truncated.docx"), good.substr(0, good.size() / 2));
  const std::pair<const char *, const char16_t *> cases[] = {{"deflated.docx", u"one\r\n"},
                                                             {"stored.docx", u"two\r\n"},
                                                             {"deeper-first.docx", u"two\r\n"},
                                                             {"none.docx", u""},
                                                             {"empty-part.docx", u""},
                                                             {"text.docx", u""},
                                                             {"huge.docx", u""},
                                                             {"short.docx", u""},
                                                             {"truncated.docx", u""},
                                                             {"missing.docx", u""}};
  for (const auto &[file, text] : cases)
    EXPECT_EQ(DOCXFileText(UTF8ToString(folder.File(file))), text) << file;
}

// The limit holds whatever the archive claims: a part that inflates past it is refused once the
// limit is reached, with the reason.
TEST(DOCXText, ExtractsNoMoreThanTheLimit) {
  const std::string body =
      Document("<w:p><w:r><w:t>" + std::string(5000, 'z') + "</w:t></w:r></w:p>");
  testsupport::TempFolder folder;
  WriteZip(folder.File("big.docx"), {{.name = "word/document.xml", .data = body}});
  const std::string bytes = ReadBytes(folder.File("big.docx"));
  const struct {
    std::string archive;
    int64_t limit;
    bool read;
  } cases[] = {{bytes, static_cast<int64_t>(body.size()), true},
               {bytes, static_cast<int64_t>(body.size()) - 1, false},
               // The header says 100 bytes, within the limit; the data says otherwise.
               {testsupport::WithDeclaredSize(bytes, 100), 1000, false}};
  for (const auto &c : cases) {
    TZipArchive archive;
    archive.OpenArchiveFromBytes(c.archive);
    String text, reason;
    EXPECT_EQ(DOCXArchiveText(archive, text, reason, c.limit), c.read) << c.limit;
    EXPECT_EQ(text.size(), c.read ? 5002u : 0u);
    EXPECT_EQ(reason.empty(), c.read);
  }
}

} // namespace
} // namespace textcore
