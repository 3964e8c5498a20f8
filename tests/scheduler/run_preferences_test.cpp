// The run's own preferences file: what it holds after a save, what a hand-edited or
// later file gives, and that a failed save leaves the old file whole.

#include <gtest/gtest.h>

#include <filesystem>

#include "faulty_file_system.h"
#include "scheduler/run_preferences.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

TEST(RunPreferences, RoundTripsEveryValueAndDefaultsWithoutAFile) {
  // A folder of this test's own: two runs of the suite at once do not share it.
  const testing::TempFolder temp;
  const std::filesystem::path& folder = temp.path();
  LocalFileSystem disk;
  RunPreferences read{false, false};
  ASSERT_TRUE(LoadRunPreferences(folder, disk, read));
  EXPECT_EQ(read, RunPreferences{});  // no file yet: both on
  for (const bool skip : {false, true})
    for (const bool complete : {false, true}) {
      ASSERT_TRUE(SaveRunPreferences(folder, disk, {skip, complete}));
      ASSERT_TRUE(LoadRunPreferences(folder, disk, read));
      EXPECT_EQ(read, (RunPreferences{skip, complete}));
    }
  // A save that fails at any step keeps what was stored.
  for (int step = 0;; ++step) {
    ASSERT_LT(step, 20);
    testing::FaultyFileSystem failing(step);
    if (SaveRunPreferences(folder, failing, {false, false})) break;  // past the last step
    ASSERT_TRUE(LoadRunPreferences(folder, disk, read));
    EXPECT_EQ(read, (RunPreferences{true, true})) << "step " << step;
  }
}

TEST(RunPreferences, UnknownLinesAndValuesKeepTheDefaults) {
  EXPECT_EQ(ParseRunPreferences("kendiliginden-atla=H\r\nkalanlari-tamamla = h \n"),
            (RunPreferences{false, false}));
  EXPECT_EQ(ParseRunPreferences("# yorum\nkendiliginden-atla=hayir\nyeni-ayar=H\n"
                                "kalanlari-tamamla\nkalanlari-tamamla=H"),
            (RunPreferences{true, false}));
  EXPECT_EQ(ParseRunPreferences(""), RunPreferences{});
  EXPECT_EQ(ParseRunPreferences(FormatRunPreferences({false, true})),
            (RunPreferences{false, true}));
}

}  // namespace
}  // namespace kalvodrin
