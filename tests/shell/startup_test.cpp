#include "shell/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "core/data_files.h"
#include "core/record_creation.h"
#include "core/storage.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::TempFolder;

std::vector<char> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StartupTest : public ::testing::Test {
 protected:
  StartupOptions Options() {
    StartupOptions o;
    o.dirs.currentDir = root.path() / "cwd";
    o.dirs.configHome = root.path() / "config";
    o.dirs.dataHome = root.path() / "data";
    std::filesystem::create_directories(o.dirs.currentDir);
    return o;
  }
  StartupOptions WithFolder(const std::filesystem::path& folder) {
    StartupOptions o = Options();
    o.folderOverride = folder;
    return o;
  }
  // Writes a school with the given teachers and classes and no timetable files.
  void WriteSchool(const std::filesystem::path& folder, int teachers, int classes) {
    School s;
    s.WorkFolder = folder;
    for (int t = 1; t <= teachers; ++t) AddTeacher(s, 10 + t, "ÖĞRETMEN", "", "", "");
    for (int c = 1; c <= classes; ++c) AddClass(s, 20 + c, "9", "A");
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(SaveFiles(s, FileSet{DataFile::kTeachers, DataFile::kClasses}));
  }

  TempFolder root;
  School school;
};

TEST_F(StartupTest, EmptyFolderGetsEveryDataFileAtItsDefault) {
  const auto folder = root.path() / "okul";  // does not exist yet: it is created
  const StartupResult r = RunStartup(school, WithFolder(folder));
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(r.reached, StartupStep::kDone);
  EXPECT_EQ(school.WorkFolder, folder);
  for (const DataFileInfo& info : kDataFiles) {
    const auto path = folder / std::string(info.name);
    ASSERT_TRUE(std::filesystem::exists(path)) << info.name;
    const std::vector<char> bytes = FileBytes(path);
    if (info.file == DataFile::kAnnexFlags) {
      EXPECT_EQ(bytes, std::vector<char>(250, 0));
    } else if (info.file == DataFile::kSettings) {
      ASSERT_EQ(bytes.size(), 568u);
      EXPECT_EQ(bytes[7], 6);
    } else {
      EXPECT_TRUE(bytes.empty()) << info.name;
    }
  }
  EXPECT_FALSE(r.teacherGridsCreated);
  EXPECT_FALSE(r.classGridsCreated);
  // A start on a given folder leaves the user's YARDIM.LOF alone.
  EXPECT_FALSE(std::filesystem::exists(r.workFolderFile));
  EXPECT_EQ(r.storedWorkFolder, "C:\\VORTELAMINKA\\");
}

TEST_F(StartupTest, FirstStartWritesYardimWithTheDefaultAndUsesThatFolder) {
  const StartupResult r = RunStartup(school, Options());
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(r.workFolderFile, root.path() / "config" / "kalvodrin" / "YARDIM.LOF");
  const std::vector<char> yardim = FileBytes(r.workFolderFile);
  ASSERT_EQ(yardim.size(), 81u);
  EXPECT_EQ(yardim[0], 16);
  EXPECT_EQ(std::string(yardim.begin() + 1, yardim.begin() + 17), "C:\\VORTELAMINKA\\");
  const auto folder = root.path() / "data" / "kalvodrin" / "C" / "VORTELAMINKA";
  EXPECT_EQ(school.WorkFolder, folder);
  EXPECT_TRUE(std::filesystem::exists(folder / "DUDIZIRQ.LOF"));
}

TEST_F(StartupTest, YardimInTheCurrentFolderNamesTheWorkingFolder) {
  StartupOptions o = Options();
  ASSERT_TRUE(SaveWorkFolder(o.dirs.currentDir / "YARDIM.LOF", "D:\\OKUL\\"));
  const StartupResult r = RunStartup(school, o);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(r.storedWorkFolder, "D:\\OKUL\\");
  EXPECT_EQ(school.WorkFolder, root.path() / "data" / "kalvodrin" / "D" / "OKUL");
  EXPECT_FALSE(std::filesystem::exists(root.path() / "config" / "kalvodrin" / "YARDIM.LOF"));
}

TEST_F(StartupTest, MissingGridFilesGiveEveryTeacherAndClassAFreshGrid) {
  const auto folder = root.path() / "okul";
  WriteSchool(folder, 3, 2);
  const StartupResult r = RunStartup(school, WithFolder(folder));
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_TRUE(r.teacherGridsCreated);
  EXPECT_TRUE(r.classGridsCreated);
  ASSERT_EQ(school.TeacherGrids.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(school.TeacherGrids[i].teacher, school.Teachers[i].number);
  ASSERT_EQ(school.ClassGrids.size(), 2u);
  EXPECT_EQ(school.ClassGrids[1].classNo, 22);
  EXPECT_NE(school.TeacherGridByNo(13), nullptr);  // reindexed
  EXPECT_NE(school.ClassGridByNo(21), nullptr);
  EXPECT_TRUE(school.RoomGrids.empty());
  // Created in memory only: the files stay as they were until a window saves them.
  EXPECT_TRUE(FileBytes(folder / "DUDIZIRZ.LOF").empty());
}

// The last run died while saving teachers and classes together: the new teachers file
// was in place, the classes file still beside its old one. Start-up ends that save
// before reading, so the school is wholly the new one.
TEST_F(StartupTest, SaveLeftHalfDoneIsFinishedBeforeReading) {
  const auto folder = root.path() / "okul";
  WriteSchool(folder, 2, 1);
  std::filesystem::rename(folder / "OGRETMEN.LOF", folder / "OGRETMEN.LOF.ESKI");
  WriteSchool(root.path() / "yeni", 3, 2);
  std::filesystem::copy_file(root.path() / "yeni" / "OGRETMEN.LOF", folder / "OGRETMEN.LOF");
  std::filesystem::copy_file(root.path() / "yeni" / "SINIFLAR.LOF", folder / "SINIFLAR.LOF.YENI");
  std::ofstream(folder / "KAYIT.LST") << "OGRETMEN.LOF\nSINIFLAR.LOF\n";
  const StartupResult r = RunStartup(school, WithFolder(folder));
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(school.Teachers.size(), 3u);
  EXPECT_EQ(school.Classes.size(), 2u);
  for (const char* left : {"OGRETMEN.LOF.ESKI", "SINIFLAR.LOF.YENI", "KAYIT.LST"})
    EXPECT_FALSE(std::filesystem::exists(folder / left)) << left;
}

TEST_F(StartupTest, IncompleteGridFileIsNotCompleted) {
  const auto folder = root.path() / "okul";
  WriteSchool(folder, 2, 0);
  School partial;
  partial.WorkFolder = folder;
  NewTeacherGrid(partial, 11);
  ASSERT_TRUE(SaveTeacherGrids(partial));
  const StartupResult r = RunStartup(school, WithFolder(folder));
  ASSERT_TRUE(r.status.ok());
  EXPECT_FALSE(r.teacherGridsCreated);
  EXPECT_EQ(school.TeacherGrids.size(), 1u);
  EXPECT_EQ(school.TeacherGridByNo(12), nullptr);
}

// Records what the school looked like at each of the two points where start-up calls
// the import, which pins down the order of the steps around it.
class RecordingImport : public PredecessorImport {
 public:
  bool due = true;
  int converts = 0;
  bool annexAtCheck = false;
  std::size_t lessonsAtCheck = 99;
  std::size_t teacherGridsAtFollowUp = 0;
  std::size_t lessonsAtFollowUp = 0;
  int searchLevelAtFollowUp = -1;

  bool Check(const School& s) override {
    annexAtCheck = s.Annex.inAnnex(5);
    lessonsAtCheck = s.Lessons.size();
    return due;
  }
  Status Convert(School& s) override {
    ++converts;
    School converted;
    converted.WorkFolder = s.WorkFolder;
    AddLesson(converted, 1, "MATEMATİK", "MAT", 0, 4, PatternBytes{2, 2, 0, 0, 0}, 0);
    return SaveLessons(converted);
  }
  Status FollowUp(School& s) override {
    teacherGridsAtFollowUp = s.TeacherGrids.size();
    lessonsAtFollowUp = s.Lessons.size();
    searchLevelAtFollowUp = s.Settings.searchLevel;
    return Status::Ok();
  }
};

TEST_F(StartupTest, ImportRunsAfterTheAnnexFlagsAndFollowsUpBeforeTheSettings) {
  const auto folder = root.path() / "okul";
  WriteSchool(folder, 2, 0);
  School prepared;
  prepared.WorkFolder = folder;
  prepared.Annex.bytes[4] = 1;
  prepared.Settings.searchLevel = 3;
  ASSERT_TRUE(SaveFiles(prepared, FileSet{DataFile::kAnnexFlags, DataFile::kSettings}));

  RecordingImport import;
  const StartupResult r = RunStartup(school, WithFolder(folder), &import);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_TRUE(r.imported);
  EXPECT_TRUE(import.annexAtCheck);
  EXPECT_EQ(import.lessonsAtCheck, 0u);
  EXPECT_EQ(import.lessonsAtFollowUp, 1u);       // the converted file was loaded
  EXPECT_EQ(import.teacherGridsAtFollowUp, 2u);  // grids were created before
  EXPECT_EQ(import.searchLevelAtFollowUp, 8);    // settings not read yet
  EXPECT_EQ(school.Settings.searchLevel, 3);
  EXPECT_TRUE(school.Annex.inAnnex(5));
}

TEST_F(StartupTest, ImportThatIsNotDueConvertsNothing) {
  RecordingImport import;
  import.due = false;
  const StartupResult r = RunStartup(school, WithFolder(root.path() / "okul"), &import);
  ASSERT_TRUE(r.status.ok());
  EXPECT_FALSE(r.imported);
  EXPECT_EQ(import.converts, 0);
  EXPECT_EQ(import.searchLevelAtFollowUp, -1);
}

TEST_F(StartupTest, FolderThatCannotBeCreatedFailsWithTheSystemMessage) {
  std::ofstream(root.path() / "dosya") << "x";
  school.Classes.push_back(TClassRec{});  // whatever was there must not survive
  const StartupResult r = RunStartup(school, WithFolder(root.path() / "dosya" / "okul"));
  ASSERT_FALSE(r.status.ok());
  EXPECT_EQ(r.reached, StartupStep::kWorkFolder);
  EXPECT_NE(r.status.message().find("dosya"), std::string::npos);
  EXPECT_TRUE(school.Classes.empty());
  EXPECT_EQ(school.WorkFolder, root.path() / "dosya" / "okul");
  const std::string text = StartupFailureText(r, school.WorkFolder);
  EXPECT_NE(text.find("Çalışma dizini kullanılamıyor"), std::string::npos);
  EXPECT_NE(text.find(r.status.message()), std::string::npos);
}

TEST_F(StartupTest, UnreadableDataFileLeavesNoHalfLoadedSchool) {
  const auto folder = root.path() / "okul";
  WriteSchool(folder, 2, 2);
  // A folder where a data file should be cannot be read, even by the superuser.
  std::filesystem::create_directories(folder / "DUDIZIR2.LOF");
  const StartupResult r = RunStartup(school, WithFolder(folder));
  ASSERT_FALSE(r.status.ok());
  EXPECT_EQ(r.reached, StartupStep::kCollections);
  EXPECT_NE(r.status.message().find("DUDIZIR2.LOF"), std::string::npos);
  EXPECT_TRUE(school.Teachers.empty());
  EXPECT_TRUE(school.Classes.empty());
  EXPECT_EQ(school.Settings.searchLevel, DefaultSettings().searchLevel);
}

TEST_F(StartupTest, UnreadableYardimIsReportedAsSuch) {
  StartupOptions o = Options();
  std::filesystem::create_directories(o.dirs.configHome / "kalvodrin" / "YARDIM.LOF");
  const StartupResult r = RunStartup(school, o);
  ASSERT_FALSE(r.status.ok());
  EXPECT_EQ(r.reached, StartupStep::kWorkFolderFile);
  EXPECT_NE(StartupFailureText(r, {}).find("YARDIM.LOF"), std::string::npos);
}

}  // namespace
}  // namespace kalvodrin
