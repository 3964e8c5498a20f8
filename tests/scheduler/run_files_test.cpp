// Runs on a school read from its working folder: two runs of the same folder write
// byte-identical timetable files, and the settings file is left as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/storage.h"
#include "scheduler/placement_run.h"
#include "school_files.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FolderRuns : public ::testing::Test {
 protected:
  // Writes the school into a folder of its own and runs it from there.
  fs::path WriteAndRun(const School& built, const std::string& name) {
    auto school = std::make_unique<School>(built);
    school->WorkFolder = root_.path() / name;
    fs::create_directories(school->WorkFolder);
    EXPECT_TRUE(SaveFiles(*school, FileSet::All()).ok());
    auto loaded = std::make_unique<School>();
    loaded->WorkFolder = school->WorkFolder;
    EXPECT_TRUE(LoadSchool(*loaded).ok());
    PlacementRun(*loaded).RunWholeSchool();
    EXPECT_TRUE(SaveTeacherGrids(*loaded).ok());
    EXPECT_TRUE(SaveClassGrids(*loaded).ok());
    EXPECT_TRUE(SaveRoomGrids(*loaded).ok());
    return school->WorkFolder;
  }

  testing::TempFolder root_;
};

TEST_F(FolderRuns, TwoRunsOfOneFolderWriteTheSameTimetableFiles) {
  TestSchool t;
  t.Lesson(1, 5, {2, 2, 1}).Lesson(2, 4, {2, 2}).Lesson(3, 3, {1, 1, 1});
  for (int c = 1; c <= 4; ++c) t.Class(c);
  for (int n = 1; n <= 5; ++n) t.Teacher(n);
  t.Room(1);
  for (int c = 1; c <= 4; ++c)
    t.Give(c, 1, {1 + c % 2}).Give(c, 2, {3}, {1}).Give(c, 3, {4, 5});
  t.Done();
  const fs::path a = WriteAndRun(t.school, "a");
  const fs::path b = WriteAndRun(t.school, "b");
  for (const char* file : {"DUDIZIRZ.LOF", "DUDIZIRX.LOF", "DUDIZIRY.LOF"}) {
    EXPECT_FALSE(FileBytes(a / file).empty());
    EXPECT_EQ(FileBytes(a / file), FileBytes(b / file)) << file;
  }
  // The settings file is never written by a run; its record is what was stored.
  auto reread = std::make_unique<School>();
  reread->WorkFolder = a;
  ASSERT_TRUE(LoadSchool(*reread).ok());
  EXPECT_EQ(std::memcmp(&reread->Settings, &t.school.Settings, sizeof(TSettingsRec)), 0);
}

}  // namespace
}  // namespace kalvodrin
