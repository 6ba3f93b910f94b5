#include "files/unique_names.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

namespace textcore {
namespace {

namespace fs = std::filesystem;

TEST(UniqueNames, ATakenNameGetsTheNextNumbersInItsFileNamePartOnly) {
  testsupport::TempFolder folder;
  const int32_t saved = GetBatchFileStartNumber();
  SetBatchFileStartNumberTo(0);
  const struct {
    std::vector<std::string> made; // a trailing "/" makes a folder
    std::string given, expected;
  } cases[] = {
      // The counter runs on from case to case, as it does for the program.
      {{}, "free.txt", "free.txt"},
      {{}, "nodot", "nodot"}, // a free name keeps its form
      {{"report.txt"}, "report.txt", "report_001.txt"},
      {{"report_002.txt", "report_002_003.txt"}, "report.txt", "report_002_003_004.txt"},
      {{"readme"}, "readme", "readme_005."},
      {{"readme_006"}, "readme", "readme_006_007."}, // "readme_006." is taken by "readme_006"
      {{"v1.2/readme"}, "v1.2/readme", "v1.2/readme_008."},
      {{"a.b/x.tar.gz"}, "a.b/x.tar.gz", "a.b/x.tar_009.gz"},
      {{"folder.txt/"}, "folder.txt", "folder_010.txt"},
  };
  for (const auto &c : cases) {
    for (const std::string &made : c.made) {
      fs::create_directories(fs::path(folder.File(made)).parent_path());
      if (made.back() != '/')
        std::ofstream(folder.File(made)) << "x";
    }
    String name = UTF8ToString(folder.File(c.given));
    EXPECT_TRUE(ForcedToBeNewFile(name));
    EXPECT_EQ(name, UTF8ToString(folder.File(c.expected))) << c.given;
  }
  EXPECT_EQ(GetBatchFileStartNumber(), 10);

  // Below 0 is 0; after the largest value the count starts again at 1.
  SetBatchFileStartNumberTo(-5);
  EXPECT_EQ(GetBatchFileStartNumber(), 0);
  SetBatchFileStartNumberTo(std::numeric_limits<int32_t>::max());
  std::ofstream(folder.File("report_001.txt")) << "x"; // the chain of one call
  String name = UTF8ToString(folder.File("report.txt"));
  ForcedToBeNewFile(name);
  EXPECT_EQ(name, UTF8ToString(folder.File("report_001_002.txt")));
  SetBatchFileStartNumberTo(saved);
}

} // namespace
} // namespace textcore
