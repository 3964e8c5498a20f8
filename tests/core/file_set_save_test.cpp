// Saving several files all or nothing: a save that fails at any one step, or stops
// there as a crash would, leaves the folder (after the next start) wholly old or
// wholly new, and nothing else in it.

#include "core/file_set_save.h"

#include <gtest/gtest.h>

#include <map>

#include "core/storage.h"
#include "fault_runs.h"
#include "faulty_file_system.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

// The machine's file system, except that the step numbered `failAt` (counting
// writes, renames and removals from 0) fails; a failed write leaves half its bytes.
// With `crash`, that step and every later one fail without touching the disk, as when
// the program dies there.
class FaultyFileSystem : public LocalFileSystem {
 public:
  FaultyFileSystem(int failAt, bool crash) : failAt_(failAt), crash_(crash) {}

  Status WriteDurably(const fs::path& path, const Bytes& content, const fs::path& modeOf) override {
    if (!Fails()) return LocalFileSystem::WriteDurably(path, content, modeOf);
    if (!crash_) WriteBytes(path, Bytes(content.begin(), content.begin() + content.size() / 2));
    return Status::Error(path.string() + ": No space left on device");
  }
  Status Rename(const fs::path& from, const fs::path& to) override {
    if (Fails()) return Status::Error(to.string() + ": Input/output error");
    return LocalFileSystem::Rename(from, to);
  }
  Status Remove(const fs::path& path) override {
    if (Fails()) return Status::Error(path.string() + ": Input/output error");
    return LocalFileSystem::Remove(path);
  }
  int steps() const { return step_; }

 private:
  bool Fails() {
    const int step = step_++;
    return crash_ ? step >= failAt_ : step == failAt_;
  }

  int failAt_;
  bool crash_;
  int step_ = 0;
};

using FolderImage = std::map<std::string, Bytes>;

FolderImage ImageOf(const fs::path& folder) {
  FolderImage image;
  for (const auto& entry : fs::directory_iterator(folder))
    image[entry.path().filename().string()] = ReadBytes(entry.path());
  return image;
}

// The names of the files that differ between the two folders; empty when none does.
std::string Differences(const FolderImage& actual, const FolderImage& expected) {
  std::string names;
  for (const auto& [name, bytes] : actual)
    if (!expected.contains(name) || expected.at(name) != bytes) names += name + " ";
  for (const auto& [name, bytes] : expected)
    if (!actual.contains(name)) names += "(missing) " + name + " ";
  return names;
}

// A folder with the sample school in it, and the school changed in every file that
// the test saves, so that each new file differs from its old one. `newImage` is the
// folder after a save that nothing disturbed, `steps` the steps that save took.
class SetSave : public ::testing::Test {
 protected:
  void SetUp() override {
    school = testing::SampleSchool(folder.path());
    ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
    fs::remove(folder.path() / "DUDIZIRY.LOF");  // a file the save creates anew
    oldImage = ImageOf(folder.path());
    // A start creates the missing file empty.
    oldStarted = oldImage;
    oldStarted["DUDIZIRY.LOF"] = {};
    school->Lessons.pop_back();
    school->TeacherGrids[0].occupant[5] = 1;
    school->ClassGrids[0].occupant[5] = 2;
    school->RoomGrids[0].occupant[5] = 1;
    FaultyFileSystem undisturbed(-1, false);
    ASSERT_TRUE(SaveFiles(*school, changed, undisturbed));
    newImage = ImageOf(folder.path());
    steps = undisturbed.steps();
    ASSERT_EQ(newImage.size(), oldImage.size() + 1);
    ASSERT_NE(newImage, oldImage);
  }

  void PutOldFolderBack() {
    for (const auto& entry : fs::directory_iterator(folder.path())) fs::remove(entry);
    for (const auto& [name, bytes] : oldImage) WriteBytes(folder.path() / name, bytes);
  }

  // What the next start leaves, and what a reader that must not write sees before it.
  FolderImage AfterTheNextStart(bool& lookedNew) {
    auto looking = testing::NewSchool(folder.path());
    EXPECT_TRUE(LoadSchoolWithoutWriting(*looking));
    lookedNew = looking->Lessons.size() == school->Lessons.size();
    auto started = testing::NewSchool(folder.path());
    EXPECT_TRUE(LoadSchool(*started));
    return ImageOf(folder.path());
  }

  // The timetables and the lessons; one file of them was missing before.
  const FileSet changed{DataFile::kLessons, DataFile::kTeacherGrids, DataFile::kClassGrids,
                        DataFile::kRoomGrids};
  TempFolder folder;
  std::unique_ptr<School> school;
  FolderImage oldImage;
  FolderImage oldStarted;
  FolderImage newImage;
  int steps = 0;
};

// Four new files, the list written and renamed, seven renames into place, then three
// files set aside and the list removed.
TEST_F(SetSave, FailureAtEveryStepLeavesTheOldFolderAndSaysWhy) {
  EXPECT_EQ(steps, 4 + 2 + 7 + 4);
  int failed = 0;
  for (int failAt = 0; failAt < steps; ++failAt) {
    SCOPED_TRACE(failAt);
    PutOldFolderBack();
    FaultyFileSystem disk(failAt, false);
    const Status saved = SaveFiles(*school, changed, disk);
    bool lookedNew = false;
    if (!saved) {
      ++failed;
      EXPECT_TRUE(saved.message().find("No space left") != std::string::npos ||
                  saved.message().find("Input/output error") != std::string::npos)
          << saved.message();
      EXPECT_EQ(Differences(ImageOf(folder.path()), oldImage), "");
      EXPECT_EQ(Differences(AfterTheNextStart(lookedNew), oldStarted), "");
      EXPECT_FALSE(lookedNew);
    } else {
      // Only clearing up after the set was in failed; the next start finishes that.
      EXPECT_EQ(Differences(AfterTheNextStart(lookedNew), newImage), "");
      EXPECT_TRUE(lookedNew);
    }
  }
  EXPECT_EQ(failed, 4 + 2 + 7);
}

// The program dies at each step in turn; the next start finishes the save when its
// list of files was written and undoes it otherwise. Readers that must not write see
// the folder as that start will leave it.
TEST_F(SetSave, CrashAtEveryStepIsFinishedOrUndoneAtTheNextStart) {
  int oldFolders = 0;
  for (int crashAt = 0; crashAt <= steps; ++crashAt) {
    SCOPED_TRACE(crashAt);
    PutOldFolderBack();
    FaultyFileSystem disk(crashAt, true);
    static_cast<void>(SaveFiles(*school, changed, disk));
    bool lookedNew = false;
    const FolderImage after = AfterTheNextStart(lookedNew);
    if (crashAt <= 4 + 1) {  // up to the list's rename
      EXPECT_EQ(Differences(after, oldStarted), "");
      EXPECT_FALSE(lookedNew);
      ++oldFolders;
    } else {
      EXPECT_EQ(Differences(after, newImage), "");
      EXPECT_TRUE(lookedNew);
    }
  }
  EXPECT_EQ(oldFolders, 6);
}

// Whether every file of `expected` is in `actual` as it was (leftovers aside).
bool HoldsAll(const FolderImage& actual, const FolderImage& expected) {
  for (const auto& [name, bytes] : expected)
    if (!actual.contains(name) || actual.at(name) != bytes) return false;
  return true;
}

// A disk that drops out fails two steps in a row, so the step that would undo the
// first failure fails too. At every step the save ends done, undone, or unfinished
// and said to be so, each file named as new or as waiting as it stands on disk. An
// unfinished save keeps its list: a later save is refused and changes nothing, and
// the next start finishes it.
TEST_F(SetSave, TwoFailuresInARowAtEveryStepEndDoneUndoneOrUnfinishedAndSaidToBe) {
  const char* names[] = {"DERSLER.LOF", "DUDIZIRZ.LOF", "DUDIZIRX.LOF", "DUDIZIRY.LOF"};
  int unfinished = 0;
  int undone = 0;
  for (int failAt = 0; failAt < steps; ++failAt) {
    SCOPED_TRACE(failAt);
    PutOldFolderBack();
    testing::FaultyFileSystem disk(failAt, testing::WriteFault::kWrite, 2);
    const Status saved = SaveFiles(*school, changed, disk);
    bool lookedNew = false;
    if (saved) {
      EXPECT_EQ(Differences(AfterTheNextStart(lookedNew), newImage), "");
      continue;
    }
    const FolderImage left = ImageOf(folder.path());
    const std::string& text = saved.message();
    if (!left.contains("KAYIT.LST")) {
      ++undone;
      EXPECT_EQ(text.find("yarım kaldı"), std::string::npos) << text;
      EXPECT_TRUE(HoldsAll(left, oldImage));
      EXPECT_EQ(Differences(AfterTheNextStart(lookedNew), oldStarted), "");
      EXPECT_FALSE(lookedNew);
      continue;
    }
    ++unfinished;
    const std::size_t waitingPart = text.find("henüz yerine konmayan dosyalar:");
    ASSERT_NE(text.find("Kayıt yarım kaldı"), std::string::npos) << text;
    ASSERT_NE(waitingPart, std::string::npos) << text;
    for (const char* name : names) {
      const bool waiting = left.contains(std::string(name) + ".YENI");
      const std::size_t at = text.find(name, text.find("Kayıt yarım kaldı"));
      ASSERT_NE(at, std::string::npos) << name << " in " << text;
      EXPECT_EQ(at > waitingPart, waiting) << name << " in " << text;
    }
    LocalFileSystem good;
    const Status later = SaveFiles(*school, FileSet{DataFile::kRooms}, good);
    EXPECT_FALSE(later);
    EXPECT_NE(later.message().find("önceki bir kayıt yarım kaldı"), std::string::npos)
        << later.message();
    EXPECT_EQ(Differences(ImageOf(folder.path()), left), "");
    EXPECT_EQ(Differences(AfterTheNextStart(lookedNew), newImage), "");
    EXPECT_TRUE(lookedNew);
  }
  EXPECT_GT(unfinished, 0);
  EXPECT_GT(undone, 0);
}

// Leftovers that are not a save of ours, and a list naming what lies outside the
// folder, are not followed.
TEST(SetSaveRecovery, TouchesOnlyItsOwnFiles) {
  TempFolder temp;
  const fs::path folder = temp.path() / "okul";
  fs::create_directories(folder);
  WriteBytes(temp.path() / "DIŞARI.YENI", Bytes(3, 1));
  WriteBytes(folder / "KAYIT.LST", Bytes{'.', '.', '/', 'D', 'I', '\n', '.', '.', '\n'});
  WriteBytes(folder / "NOTLAR.TXT", Bytes(2, 9));
  LocalFileSystem disk;
  EXPECT_TRUE(PendingNewFiles(folder, disk).empty());
  ASSERT_TRUE(FinishHalfDoneSave(folder, disk));
  EXPECT_TRUE(fs::exists(temp.path() / "DIŞARI.YENI"));
  EXPECT_EQ(Differences(ImageOf(folder), {{"NOTLAR.TXT", Bytes(2, 9)}}), "");

  // Files of these suffixes that no list names are the user's: none is removed or
  // renamed. A list being written names the new files to clear away, and only those.
  const FolderImage users{{"NOTLAR.TXT", Bytes(2, 9)},
                          {"RAPOR.DOC.YENI", Bytes(4, 1)},
                          {"ODEV.ESKI", Bytes(5, 2)},
                          {"SINIFLAR.LOF.YENI", Bytes(16, 3)}};
  for (const auto& [name, bytes] : users) WriteBytes(folder / name, bytes);
  ASSERT_TRUE(FinishHalfDoneSave(folder, disk));
  EXPECT_EQ(Differences(ImageOf(folder), users), "");
  WriteBytes(folder / "DERSLER.LOF.YENI", Bytes(48, 1));
  WriteBytes(folder / "KAYIT.LST.tmp", Bytes{'D', 'E', 'R', 'S', 'L', 'E', 'R', '.', 'L', 'O', 'F',
                                             '\n', 'O', 'D', 'E', 'V', '\n'});
  ASSERT_TRUE(FinishHalfDoneSave(folder, disk));
  EXPECT_EQ(Differences(ImageOf(folder), users), "");
}

// A save that put every file in place and left only tidying up does not hold the
// folder: the next save ends it as a start would, leaving nothing of it behind.
TEST(SetSaveRecovery, ASaveLeftOnlyTidyingUpIsEndedByTheNextSave) {
  TempFolder temp;
  const fs::path folder = temp.path() / "okul";
  fs::create_directories(folder);
  LocalFileSystem disk;
  EXPECT_TRUE(PendingNewFiles(folder, disk).empty());  // no list at all
  WriteBytes(folder / "A.LOF", Bytes(4, 2));           // the new file, in place
  WriteBytes(folder / "A.LOF.ESKI", Bytes(4, 1));      // the old one, set aside
  WriteBytes(folder / "KAYIT.LST", Bytes{'A', '.', 'L', 'O', 'F', '\n'});
  EXPECT_TRUE(PendingNewFiles(folder, disk).empty());
  const Status saved = SaveAllOrNothing({{folder / "B.LOF", Bytes(3, 7)}}, disk);
  ASSERT_TRUE(saved) << saved.message();
  EXPECT_EQ(Differences(ImageOf(folder), {{"A.LOF", Bytes(4, 2)}, {"B.LOF", Bytes(3, 7)}}), "");
}

// A folder of the user's where the save would put or leave a file of its own: the save
// is refused before anything is written, naming it, and the folder stays as it was;
// the next start is not stopped by it. A file there is simply replaced.
TEST(SetSaveRecovery, FolderInTheWayIsRefusedUpFrontAndLeftAlone) {
  const std::vector<Bytes> fresh{Bytes(4, 7), Bytes(5, 8)};
  for (const char* inTheWay : {"B.OLD", "B.OLD.YENI", "B.OLD.ESKI", "KAYIT.LST", ""}) {
    SCOPED_TRACE(inTheWay);
    TempFolder temp;
    const fs::path folder = temp.path();
    WriteBytes(folder / "A.OLD", Bytes(3, 1));
    if (*inTheWay != '\0') {
      fs::create_directory(folder / inTheWay);
      WriteBytes(folder / inTheWay / "notlar.txt", Bytes(2, 9));
    } else {
      WriteBytes(folder / "B.OLD", Bytes(3, 2));
    }
    const testing::FolderImage before = testing::ImageOf(folder);
    LocalFileSystem disk;
    const Status saved =
        SaveAllOrNothing({{folder / "A.OLD", fresh[0]}, {folder / "B.OLD", fresh[1]}}, disk);
    if (*inTheWay == '\0') {
      ASSERT_TRUE(saved) << saved.message();
      EXPECT_EQ(Differences(ImageOf(folder), {{"A.OLD", fresh[0]}, {"B.OLD", fresh[1]}}), "");
      continue;
    }
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.message().find((folder / inTheWay).string() + ": bu adda bir klasör var"),
              std::string::npos)
        << saved.message();
    EXPECT_EQ(testing::Differences(testing::ImageOf(folder), before), "");
    EXPECT_TRUE(FinishHalfDoneSave(folder, disk));
    EXPECT_EQ(testing::Differences(testing::ImageOf(folder), before), "");
  }
}

// What saves left before they refused such folders: one moved aside after the set
// was in, or still in place beside its new file when the program died. The start
// finishes the set, leaves the folder (aside) and is not stopped by it; folders that
// merely carry a save's names are left alone.
TEST(SetSaveRecovery, FoldersLeftByOlderSavesDoNotStopTheStart) {
  const Bytes list{'A', '.', 'O', 'L', 'D', '\n', 'B', '.', 'O', 'L', 'D', '\n'};
  for (const bool movedAside : {true, false}) {
    SCOPED_TRACE(movedAside);
    TempFolder temp;
    const fs::path folder = temp.path();
    WriteBytes(folder / "A.OLD", Bytes(4, 7));
    WriteBytes(folder / "A.OLD.ESKI", Bytes(3, 1));
    const fs::path userFolder = folder / (movedAside ? "B.OLD.ESKI" : "B.OLD");
    fs::create_directory(userFolder);
    WriteBytes(userFolder / "notlar.txt", Bytes(2, 9));
    WriteBytes(folder / (movedAside ? "B.OLD" : "B.OLD.YENI"), Bytes(5, 8));
    WriteBytes(folder / "KAYIT.LST", list);
    LocalFileSystem disk;
    const Status finished = FinishHalfDoneSave(folder, disk);
    ASSERT_TRUE(finished) << finished.message();
    EXPECT_EQ(
        testing::Differences(testing::ImageOf(folder), {{"A.OLD", Bytes(4, 7)},
                                                        {"B.OLD", Bytes(5, 8)},
                                                        {"B.OLD.ESKI/notlar.txt", Bytes(2, 9)}}),
        "");
  }
  TempFolder temp;
  for (const char* name : {"C.OLD.YENI", "C.OLD.ESKI", "KAYIT.LST", "KAYIT.LST.tmp"}) {
    fs::create_directory(temp.path() / name);
    WriteBytes(temp.path() / name / "notlar.txt", Bytes(2, 9));
  }
  const testing::FolderImage before = testing::ImageOf(temp.path());
  LocalFileSystem disk;
  EXPECT_TRUE(PendingNewFiles(temp.path(), disk).empty());
  ASSERT_TRUE(FinishHalfDoneSave(temp.path(), disk));
  EXPECT_EQ(testing::Differences(testing::ImageOf(temp.path()), before), "");
}

}  // namespace
}  // namespace kalvodrin
