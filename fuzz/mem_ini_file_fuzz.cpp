// TMemIniFile parsing a settings text: every section and value can be read, and the lines come
// back as they were given.
#include "fuzz/fuzz_check.h"
#include "platform/encoding.h"
#include "platform/mem_ini_file.h"
#include "platform/string_list.h"

#include <cstdint>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  TStringList lines;
  lines.SetText(TEncoding::UTF8()->GetString(bytes));

  TMemIniFile ini(u"");
  ini.SetStrings(lines);
  TStringList sections, values;
  ini.ReadSections(sections);
  for (int32_t i = 0; i < sections.Count(); ++i) {
    FUZZ_CHECK(ini.SectionExists(sections.Strings(i)));
    ini.ReadSectionValues(sections.Strings(i), values);
    ini.ReadSection(sections.Strings(i), values);
    for (int32_t k = 0; k < values.Count(); ++k)
      FUZZ_CHECK(ini.ValueExists(sections.Strings(i), values.Strings(k)));
  }

  TStringList kept;
  ini.GetStrings(kept);
  FUZZ_CHECK(kept.Text() == lines.Text());

  if (sections.Count() > 0) {
    ini.WriteString(sections.Strings(0), u"fuzz", u"value");
    FUZZ_CHECK(ini.ReadString(sections.Strings(0), u"fuzz", u"") == u"value");
  }
  return 0;
}
