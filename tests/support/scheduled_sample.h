#pragma once
// A test suite over a copy of the bundled sample school whose timetable kalvodrin-cli
// placed, made once for the suite as a user would make it. The test target names the
// tool and the sample: KALVODRIN_CLI and KALVODRIN_SAMPLE_DIR.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "school_files.h"

namespace kalvodrin::testing {

class ScheduledSampleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    std::filesystem::copy(KALVODRIN_SAMPLE_DIR, Folder());
    const TempFolder temp;
    ASSERT_EQ(Cli(temp, "schedule --folder " + Quoted(Folder())).code, 0);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  // The scheduled copy.
  static std::filesystem::path Folder() { return folder_->path(); }

 private:
  static inline TempFolder* folder_ = nullptr;
};

}  // namespace kalvodrin::testing
