// Word-processor documents (.docx) read by the commands that read texts: found by the masks,
// named directly or as zip members, their paragraphs searched and counted as any text's, and a
// .docx that is no such document reported.
#include "tools/qmark/concord.h"
#include "tools/qmark/wordlist.h"

#include "qmark/command_runs.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace qmark {
namespace {

std::string Document(const std::string &paragraphs) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document xmlns:w=\"x\"><w:body>" +
         paragraphs + "</w:body></w:document>";
}

// Two paragraphs: "The river &amp; the caf\u00E9" and "A second river".
void WriteDocx(const std::string &path, bool stored = false) {
  const std::string xml = Document(
      "<w:p><w:pPr><w:jc w:val=\"left\"/></w:pPr><w:r><w:t xml:space=\"preserve\">The river "
      "</w:t><w:t>&amp; the caf\xC3\xA9</w:t></w:r></w:p>"
      "<w:p><w:r><w:t>A second</w:t><w:tab/><w:t xml:space=\"preserve\"> river</w:t></w:r></w:p>");
  testsupport::WriteZip(path, {{.name = "[Content_Types].xml", .data = "<Types/>"},
                               {.name = "word/document.xml", .data = xml, .stored = stored}});
}

// The file and LINE:COLUMN of each TSV row, the header left out.
Strings Places(const std::string &out) {
  Strings places, rows = Lines(out);
  for (size_t i = 1; i < rows.size(); ++i) {
    const size_t second_tab = rows[i].find('\t', rows[i].find('\t') + 1);
    std::string place = rows[i].substr(0, second_tab);
    place[place.find('\t')] = ' ';
    places.push_back(place);
  }
  return places;
}

TEST(DocxTexts, ConcordSearchesDocumentsFoundByMasksNamedAndInArchives) {
  InFolder folder;
  std::filesystem::create_directory("texts");
  WriteFile("texts/a.txt", "river bank\n");
  WriteDocx("texts/b.docx");
  WriteDocx("texts/C.DOCX", /*stored=*/true);
  WriteDocx("inner.docx");
  testsupport::WriteZip("texts/set.zip",
                        {{.name = "d.docx", .data = testsupport::ReadBytes("inner.docx")}});
  const std::pair<Strings, Strings> cases[] = {
      // The default mask takes no documents.
      {{"river", "texts"}, {"texts/a.txt 1:1"}},
      {{"--mask", "*.txt;*.docx", "river", "texts"},
       {"texts/C.DOCX 1:5", "texts/C.DOCX 2:10", "texts/a.txt 1:1", "texts/b.docx 1:5",
        "texts/b.docx 2:10", "texts/set.zip/d.docx 1:5", "texts/set.zip/d.docx 2:10"}},
      {{"river", "inner.docx"}, {"inner.docx 1:5", "inner.docx 2:10"}},
      {{"river", "texts/set.zip/d.docx"},
       {"texts/set.zip/d.docx 1:5", "texts/set.zip/d.docx 2:10"}},
      // Entities are left as written; the accent is the document's UTF-8.
      {{"&amp;/caf\xC3\xA9", "inner.docx"}, {"inner.docx 1:11", "inner.docx 1:21"}},
  };
  for (const auto &[args, places] : cases) {
    Strings all{"--lang", "en", "--format", "tsv"};
    all.insert(all.end(), args.begin(), args.end());
    const Result got = RunCommand(RunConcord, all);
    EXPECT_EQ(got.status, 0) << args.back() << got.err;
    EXPECT_EQ(Places(got.out), places) << args.back();
  }
}

TEST(DocxTexts, ADocxThatIsNoDocumentIsReportedAndTheRestRead) {
  InFolder folder;
  WriteFile("plain.docx", "river, but no archive\n");
  testsupport::WriteZip("parts.docx", {{.name = "word/styles.xml", .data = "<w:styles/>"}});
  WriteDocx("good.docx");
  const Result got = RunCommand(
      RunWordlist, {"--lang", "en", "--format", "tsv", "good.docx", "parts.docx", "plain.docx"});
  EXPECT_EQ(got.status, 1);
  // Eight running words, worked by hand: "<w:tab/>" gives no text, "amp" of "&amp;" is a word.
  EXPECT_EQ(Lines(got.out),
            (Strings{"N\tWord\tFreq.\t%\tTexts\t%", "1\triver\t2\t25.00\t1\t100.00",
                     "2\tthe\t2\t25.00\t1\t100.00", "3\ta\t1\t12.50\t1\t100.00",
                     "4\tamp\t1\t12.50\t1\t100.00", "5\tcaf\xC3\xA9\t1\t12.50\t1\t100.00",
                     "6\tsecond\t1\t12.50\t1\t100.00"}));
  EXPECT_NE(got.err.find("cannot read 'parts.docx': not a readable .docx document: it has no "
                         "word/document.xml"),
            std::string::npos)
      << got.err;
  EXPECT_NE(got.err.find("cannot read 'plain.docx': not a readable .docx document"),
            std::string::npos)
      << got.err;
  const Result help = RunCommand(RunConcord, {"--help"});
  EXPECT_NE(help.out.find("(.docx)"), std::string::npos);
}

} // namespace
} // namespace qmark
