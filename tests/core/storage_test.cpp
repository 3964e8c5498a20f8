#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "core/damage_check.h"
#include "core/settings_record.h"
#include "core/storage.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

fs::path FileIn(const fs::path& folder, DataFile f) { return folder / InfoOf(f).name; }

bool IsGridFile(DataFile f) {
  return f == DataFile::kTeacherGrids || f == DataFile::kClassGrids ||
         f == DataFile::kRoomGrids;
}

// Random record bytes for every file, link slots zero (they are not kept).
void WriteRandomFolder(const fs::path& folder, unsigned seed, std::size_t records) {
  std::mt19937 random(seed);
  for (const DataFileInfo& info : kDataFiles) {
    const bool single = info.file == DataFile::kAnnexFlags || info.file == DataFile::kSettings;
    Bytes bytes((single ? 1 : records) * info.recordSize);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    if (IsGridFile(info.file))
      for (std::size_t end = info.recordSize; end <= bytes.size(); end += info.recordSize)
        std::memset(bytes.data() + end - 4, 0, 4);
    WriteBytes(FileIn(folder, info.file), bytes);
  }
}

TEST(Storage, EmptyFolderGetsEveryFileAtItsDefault) {
  TempFolder temp;
  const fs::path folder = temp.path() / "yeni" / "okul";  // created when missing
  auto school = testing::NewSchool(folder);
  ASSERT_TRUE(LoadSchool(*school));
  for (const DataFileInfo& info : kDataFiles) {
    const Bytes bytes = ReadBytes(FileIn(folder, info.file));
    if (info.file == DataFile::kAnnexFlags) {
      EXPECT_EQ(bytes, Bytes(250, 0));
    } else if (info.file == DataFile::kSettings) {
      ASSERT_EQ(bytes.size(), 568u);
      EXPECT_EQ(bytes[7], 6);
      EXPECT_EQ(bytes[48] | bytes[49] << 8 | bytes[50] << 16 | bytes[51] << 24, 1830);
      EXPECT_EQ(bytes[80] | bytes[81] << 8, 3700);
      EXPECT_EQ(bytes[140], 11);
      EXPECT_EQ(std::string(bytes.begin() + 141, bytes.begin() + 152), "Courier New");
      const TSettingsRec defaults = DefaultSettings();
      EXPECT_EQ(std::memcmp(bytes.data(), &defaults, 568), 0);
    } else {
      EXPECT_TRUE(bytes.empty()) << info.name;
    }
  }
  EXPECT_TRUE(school->Lessons.empty());
  EXPECT_EQ(school->Settings.searchLevel, 8);
}

// An empty settings or annex file (a power cut while an old version wrote it) reads as
// the defaults; the sanitizer build also checks nothing is copied from no data.
TEST(Storage, EmptySingleRecordFilesReadAsTheirDefaults) {
  TempFolder temp;
  auto school = testing::NewSchool(temp.path());
  ASSERT_TRUE(LoadSchool(*school));
  WriteBytes(FileIn(temp.path(), DataFile::kSettings), Bytes{});
  WriteBytes(FileIn(temp.path(), DataFile::kAnnexFlags), Bytes{});
  school->Settings.searchLevel = 3;
  school->Annex.bytes[0] = 1;
  ASSERT_TRUE(LoadSchool(*school));
  EXPECT_EQ(school->Settings.searchLevel, 8);
  EXPECT_EQ(school->Annex.bytes[0], 0);
}

TEST(Storage, LookingWritesNothing) {
  TempFolder temp;
  auto school = testing::NewSchool(temp.path() / "yok");
  EXPECT_FALSE(LoadSchoolWithoutWriting(*school));
  EXPECT_FALSE(fs::exists(temp.path() / "yok"));

  Bytes lesson(48, 0);
  lesson[0] = 4;
  WriteBytes(FileIn(temp.path(), DataFile::kLessons), lesson);
  school->WorkFolder = temp.path();
  school->Settings.searchLevel = 1;
  ASSERT_TRUE(LoadSchoolWithoutWriting(*school));
  EXPECT_NE(school->LessonByNo(4), nullptr);
  EXPECT_EQ(school->Settings.searchLevel, 8);  // the defaults of the missing file
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

TEST(Storage, LoadThenSaveGivesEveryFileBackByteForByte) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TempFolder temp;
    WriteRandomFolder(temp.path(), seed, 7);  // texts with any length byte and garbage
    std::vector<Bytes> before;
    for (const DataFileInfo& info : kDataFiles) before.push_back(ReadBytes(FileIn(temp.path(), info.file)));
    auto school = testing::NewSchool(temp.path());
    ASSERT_TRUE(LoadSchool(*school));
    EXPECT_EQ(school->Lessons.size(), 7u);
    FindDamage(*school, TailBytes{});  // untrusted bytes: must not read out of bounds
    ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
    for (std::size_t i = 0; i < kDataFiles.size(); ++i)
      EXPECT_EQ(ReadBytes(FileIn(temp.path(), kDataFiles[i].file)), before[i]) << kDataFiles[i].name;
  }
}

TEST(Storage, GridLinkSlotsAreIgnoredAndWrittenAsZero) {
  TempFolder temp;
  Bytes grid(328, 0);
  grid[0] = 3;
  std::memset(grid.data() + 324, 0xEE, 4);
  WriteBytes(FileIn(temp.path(), DataFile::kRoomGrids), grid);
  auto school = testing::NewSchool(temp.path());
  ASSERT_TRUE(LoadRoomGrids(*school));
  ASSERT_NE(school->RoomGridByNo(3), nullptr);
  ASSERT_TRUE(SaveRoomGrids(*school));
  const Bytes saved = ReadBytes(FileIn(temp.path(), DataFile::kRoomGrids));
  EXPECT_EQ(Bytes(saved.begin() + 324, saved.end()), Bytes(4, 0));
}

TEST(Storage, IncompleteTrailingRecordIsIgnored) {
  TempFolder temp;
  WriteBytes(FileIn(temp.path(), DataFile::kLessons), Bytes(96, 1));
  auto school = testing::NewSchool(temp.path());
  TailBytes tails{};
  ASSERT_TRUE(LoadSchool(*school, &tails));
  EXPECT_EQ(school->Lessons.size(), 2u);
  EXPECT_EQ(tails[static_cast<std::size_t>(DataFile::kLessons)], 0u);

  WriteBytes(FileIn(temp.path(), DataFile::kLessons), Bytes(100, 1));
  WriteBytes(FileIn(temp.path(), DataFile::kTeacherGrids), Bytes(464 + 463, 2));
  ASSERT_TRUE(LoadSchool(*school, &tails));
  EXPECT_EQ(school->Lessons.size(), 2u);
  EXPECT_EQ(school->TeacherGrids.size(), 1u);
  EXPECT_EQ(tails[static_cast<std::size_t>(DataFile::kLessons)], 4u);
  EXPECT_EQ(tails[static_cast<std::size_t>(DataFile::kTeacherGrids)], 463u);
  ASSERT_TRUE(SaveLessons(*school));
  EXPECT_EQ(ReadBytes(FileIn(temp.path(), DataFile::kLessons)), Bytes(96, 1));
}

TEST(Storage, MatchesExistingFilesWithoutRegardToCase) {
  TempFolder temp;
  Bytes lesson(48, 0);
  lesson[0] = 9;
  WriteBytes(temp.path() / "dersler.lof", lesson);
  WriteBytes(temp.path() / "Dudizirq.Lof", Bytes(568, 0));
  auto school = testing::NewSchool(temp.path());
  ASSERT_TRUE(LoadSchool(*school));
  ASSERT_NE(school->LessonByNo(9), nullptr);
  EXPECT_EQ(school->Settings.searchLevel, 0);  // read, not replaced by defaults
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  EXPECT_FALSE(fs::exists(temp.path() / "DERSLER.LOF"));
  EXPECT_FALSE(fs::exists(temp.path() / "DUDIZIRQ.LOF"));
  EXPECT_EQ(ReadBytes(temp.path() / "dersler.lof"), lesson);
}

// A save that cannot be done reports the system's reason, leaves the old file whole
// and the school in memory as it was.
TEST(Storage, FailedSaveKeepsTheOldFileWhole) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  const Bytes old = ReadBytes(FileIn(temp.path(), DataFile::kLessons));
  school->Lessons.pop_back();
  const std::size_t inMemory = school->Lessons.size();

  // Works for root too: the new file's place beside the old one is taken by a folder.
  fs::create_directory(temp.path() / "DERSLER.LOF.YENI");
  const Status blocked = SaveLessons(*school);
  EXPECT_FALSE(blocked);
  EXPECT_NE(blocked.message().find("DERSLER.LOF"), std::string::npos) << blocked.message();
  EXPECT_EQ(ReadBytes(FileIn(temp.path(), DataFile::kLessons)), old);
  EXPECT_EQ(school->Lessons.size(), inMemory);
  fs::remove(temp.path() / "DERSLER.LOF.YENI");

  // A working folder that is a file, and one whose parent is missing.
  const fs::path plainFile = temp.path() / "dosya";
  WriteBytes(plainFile, Bytes(3, 0));
  school->WorkFolder = plainFile;
  EXPECT_FALSE(SaveFiles(*school, FileSet::All()));
  school->WorkFolder = temp.path() / "yok" / "hiç";
  const Status missing = SaveLessons(*school);
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.message().find("No such file"), std::string::npos) << missing.message();
  EXPECT_EQ(ReadBytes(plainFile), Bytes(3, 0));

  // A read-only folder stops everyone but root.
  school->WorkFolder = temp.path();
  if (::geteuid() != 0) {
    fs::permissions(temp.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveLessons(*school));
    fs::permissions(temp.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(FileIn(temp.path(), DataFile::kLessons)), old);
  }
}

TEST(Storage, FailedLoadLeavesTheSchoolAsItWas) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  fs::remove(FileIn(temp.path(), DataFile::kCommonGroups));
  fs::create_directory(FileIn(temp.path(), DataFile::kCommonGroups));  // unreadable
  auto loaded = testing::SampleSchool(temp.path());
  loaded->Lessons.pop_back();
  EXPECT_FALSE(LoadSchool(*loaded));
  EXPECT_EQ(loaded->Lessons.size(), school->Lessons.size() - 1);
  EXPECT_EQ(loaded->CommonGroups.size(), 1u);
}

TEST(Storage, RewrittenFileKeepsItsPermissions) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_TRUE(SaveTeachers(*school));
  const fs::path file = FileIn(temp.path(), DataFile::kTeachers);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write |
                            fs::perms::group_read | fs::perms::group_write);
  ASSERT_TRUE(SaveTeachers(*school));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::group_write);
  EXPECT_FALSE(fs::exists(temp.path() / "OGRETMEN.LOF.YENI"));
  EXPECT_FALSE(fs::exists(temp.path() / "OGRETMEN.LOF.ESKI"));
}

}  // namespace
}  // namespace kalvodrin
