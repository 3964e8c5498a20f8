#include "shell/backup.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/file_set_save.h"
#include "core/record_creation.h"
#include "core/storage.h"
#include "core/substitution_record.h"
#include "fault_runs.h"
#include "faulty_file_system.h"
#include "folder_check.h"
#include "memory_file_system.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::SampleSchool;
using testing::TempFolder;
using testing::WriteBytes;

using FolderBytes = testing::FolderImage;
using testing::PutBack;

FolderBytes Snapshot(const std::filesystem::path& folder) { return testing::ImageOf(folder); }

class BackupTest : public ::testing::Test {
 protected:
  BackupTest() {
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(backup);
    school = SampleSchool(work);
    EXPECT_TRUE(SaveFiles(*school, FileSet::All()));
    WriteBytes(work / "YARDIM.LOF", Bytes{3, 'A', 'B', 'C'});
  }

  // Another school in the working folder, one class with its timetable, as a restore
  // finds it.
  std::unique_ptr<School> SaveOtherSchool() {
    auto other = testing::NewSchool(work);
    AddClass(*other, 5, "12", "F");
    NewClassGrid(*other, 5);
    EXPECT_TRUE(SaveFiles(*other, FileSet::All()));
    return other;
  }

  // The school backed up, then another school saved over it in the working folder,
  // for a restore to bring the first back. Returns the steps a restore takes.
  int BackUpThenSaveAnother() {
    EXPECT_TRUE(Backup(*school, backup).ok());
    savedOver = SaveOtherSchool();
    testing::FaultyFileSystem counting;
    const TempFolder scratch;
    EXPECT_TRUE(Restore(backup, scratch.path(), counting).ok());
    testing::ExpectCheckClean(scratch.path());
    return counting.steps();
  }

  TempFolder root;
  std::filesystem::path work = root.path() / "okul";
  std::filesystem::path backup = root.path() / "yedek";
  std::unique_ptr<School> school;
  std::unique_ptr<School> savedOver;  // by BackUpThenSaveAnother
};

TEST_F(BackupTest, BackupThenRestoreGivesTheDataFilesByteForByte) {
  const FolderBytes before = Snapshot(work);
  ASSERT_TRUE(Backup(*school, backup).ok());
  const FolderBytes copies = Snapshot(backup);
  ASSERT_EQ(copies.size(), 14u);  // and the substitution record, empty here
  for (const BackupFile& b : kBackupSet)
    EXPECT_EQ(copies.at(std::string(b.name)), before.at(std::string(InfoOf(b.file).name)))
        << b.name;

  // The school moves on; settings and annex flags are changed as well.
  auto later = testing::NewSchool(work);
  AddLesson(*later, 9, "YENİ", "YN", 0, 1, PatternBytes{1}, 0);
  later->Settings.searchLevel = 2;
  later->Annex.bytes[0] = 1;
  ASSERT_TRUE(SaveFiles(*later, FileSet::All()));
  const FolderBytes moved = Snapshot(work);

  const RestoreResult r = Restore(backup, work);
  ASSERT_TRUE(r.ok()) << RestoreProblemText(r);
  testing::ExpectCheckClean(work);
  const FolderBytes after = Snapshot(work);
  EXPECT_EQ(after.size(), before.size());  // nothing left beside them
  for (const auto& [name, bytes] : after) {
    const bool restored = name != "DUDIZIRQ.LOF" && name != "DUDIZIR1.LOF" &&
                          name != "YARDIM.LOF";
    EXPECT_EQ(bytes, restored ? before.at(name) : moved.at(name)) << name;
  }
}

TEST_F(BackupTest, EmptySchoolBacksUpAsEmptyFilesInTheWorkingFolderItself) {
  auto empty = testing::NewSchool(work);
  ASSERT_TRUE(Backup(*empty, work).ok());
  for (const BackupFile& b : kBackupSet) {
    ASSERT_TRUE(std::filesystem::exists(work / std::string(b.name))) << b.name;
    EXPECT_EQ(std::filesystem::file_size(work / std::string(b.name)), 0u) << b.name;
  }
  // Restored from the same folder, the school's files become empty.
  ASSERT_TRUE(Restore(work, work).ok());
  testing::ExpectCheckClean(work);
  EXPECT_EQ(std::filesystem::file_size(work / "DERSLER.LOF"), 0u);
  EXPECT_GT(std::filesystem::file_size(work / "DUDIZIRQ.LOF"), 0u);
}

TEST_F(BackupTest, MissingOrDamagedBackupFileChangesNothingAndIsNamed) {
  ASSERT_TRUE(Backup(*school, backup).ok());
  const auto other = SaveOtherSchool();
  const FolderBytes before = Snapshot(work);

  // One byte short of a whole number of records, and one byte over.
  const std::filesystem::path grids = backup / "DUDIZIRZ.YDK";
  Bytes bytes = ReadBytes(grids);
  ASSERT_EQ(bytes.size(), 2 * 464u);
  for (std::size_t size : {bytes.size() - 1, bytes.size() + 1}) {
    Bytes damaged = bytes;
    damaged.resize(size);
    WriteBytes(grids, damaged);
    const RestoreResult r = Restore(backup, work);
    EXPECT_EQ(r.problem, RestoreProblem::kFileDamaged);
    EXPECT_EQ(r.file, "DUDIZIRZ.YDK");
    EXPECT_NE(RestoreProblemText(r).find("DUDIZIRZ.YDK dosyası bozuk"), std::string::npos);
    EXPECT_EQ(Snapshot(work), before);
    testing::ExpectCheckClean(work);
  }
  // A folder where the file should be cannot be read: named with the system's words.
  std::filesystem::remove(grids);
  std::filesystem::create_directory(grids);
  const RestoreResult unreadable = Restore(backup, work);
  EXPECT_EQ(unreadable.problem, RestoreProblem::kUnreadable);
  EXPECT_EQ(unreadable.file, "DUDIZIRZ.YDK");
  EXPECT_NE(RestoreProblemText(unreadable).find("DUDIZIRZ.YDK dosyası okunamadı: "),
            std::string::npos);
  EXPECT_EQ(Snapshot(work), before);
  std::filesystem::remove(grids);
  WriteBytes(grids, bytes);

  // The last file of the set is missing: the twelve before it are not restored.
  std::filesystem::remove(backup / "DUDIZIRY.YDK");
  const RestoreResult r = Restore(backup, work);
  EXPECT_EQ(r.problem, RestoreProblem::kFileMissing);
  EXPECT_EQ(RestoreProblemText(r), "DUDIZIRY.YDK dosyası bulunamadı.");
  EXPECT_EQ(Snapshot(work), before);
  testing::ExpectCheckClean(work);

  const RestoreResult none = Restore(root.path() / "yok", work);
  EXPECT_EQ(none.problem, RestoreProblem::kFolderMissing);
  EXPECT_EQ(Snapshot(work), before);
}

// Whole records holding what no window writes: a lesson number used twice, a teacher
// lesson of a teacher that does not exist. The restore is refused naming the backup
// file and record, and the sound school stays.
TEST_F(BackupTest, DamagedBackupSetIsRefusedBeforeAnythingIsReplaced) {
  ASSERT_TRUE(Backup(*school, backup).ok());
  const FolderBytes before = Snapshot(work);
  const Bytes lessons = ReadBytes(backup / "DERSLER.YDK");
  const Bytes teacherLessons = ReadBytes(backup / "DUDIZIR6.YDK");
  ASSERT_GE(lessons.size(), 48u);
  ASSERT_GE(teacherLessons.size(), 3u);

  Bytes twice = lessons;
  twice.insert(twice.end(), lessons.begin(), lessons.begin() + 48);
  WriteBytes(backup / "DERSLER.YDK", twice);
  RestoreResult r = Restore(backup, work);
  EXPECT_EQ(r.problem, RestoreProblem::kSetDamaged);
  std::string text = RestoreProblemText(r);
  EXPECT_NE(text.find("DERSLER.YDK, kayıt " + std::to_string(twice.size() / 48)), std::string::npos)
      << text;
  EXPECT_NE(text.find("Hiçbir dosya geri alınmadı"), std::string::npos);
  EXPECT_EQ(Snapshot(work), before);
  testing::ExpectCheckClean(work);
  WriteBytes(backup / "DERSLER.YDK", lessons);

  Bytes stranger = teacherLessons;
  stranger[0] = 250;
  WriteBytes(backup / "DUDIZIR6.YDK", stranger);
  r = Restore(backup, work);
  EXPECT_EQ(r.problem, RestoreProblem::kSetDamaged);
  text = RestoreProblemText(r);
  EXPECT_NE(text.find("DUDIZIR6.YDK, kayıt 1"), std::string::npos) << text;
  EXPECT_EQ(Snapshot(work), before);
  testing::ExpectCheckClean(work);

  // Six more teacher lessons, of teachers who do not exist: five are named, and how
  // many more there are.
  Bytes strangers = teacherLessons;
  for (int teacher = 250; teacher <= 255; ++teacher)
    strangers.insert(strangers.end(),
                     {static_cast<uint8_t>(teacher), teacherLessons[1], teacherLessons[2]});
  WriteBytes(backup / "DUDIZIR6.YDK", strangers);
  r = Restore(backup, work);
  EXPECT_EQ(r.problem, RestoreProblem::kSetDamaged);
  ASSERT_EQ(r.damage.size(), 6u);
  EXPECT_EQ(r.damage.back().rfind("... ve ", 0), 0u) << r.damage.back();
  EXPECT_EQ(Snapshot(work), before);

  WriteBytes(backup / "DUDIZIR6.YDK", teacherLessons);
  ASSERT_TRUE(Restore(backup, work).ok());
  testing::ExpectCheckClean(work);
}

// Whichever step of the write fails, the folder holds the whole old set (and nothing
// beside it), or the write reported success and the whole new set is in place.
TEST_F(BackupTest, FailureAtAnyStepOfABackupKeepsTheOldBackupWhole) {
  auto old = testing::NewSchool(work);
  AddClass(*old, 5, "12", "F");
  ASSERT_TRUE(Backup(*old, backup).ok());
  const FolderBytes oldBackup = Snapshot(backup);
  const FolderBytes newBackup = [&] {
    TempFolder elsewhere;
    EXPECT_TRUE(Backup(*school, elsewhere.path()).ok());
    return Snapshot(elsewhere.path());
  }();
  testing::FaultyFileSystem counting;
  ASSERT_TRUE(Backup(*school, root.path(), counting).ok());
  ASSERT_GT(counting.steps(), 2 * 13);

  for (int step = 0; step < counting.steps(); ++step) {
    testing::FaultyFileSystem disk(step);
    const BackupResult r = Backup(*school, backup, disk);
    if (!r.ok()) {
      EXPECT_EQ(Snapshot(backup), oldBackup) << "step " << step;
      continue;
    }
    // Only tidying up was left: the new set is in, what was set aside goes later.
    const FolderBytes written = Snapshot(backup);
    for (const auto& [name, bytes] : newBackup) EXPECT_EQ(written.at(name), bytes) << name;
    ASSERT_TRUE(Backup(*old, backup).ok());  // the old backup again for the next step
    ASSERT_EQ(Snapshot(backup), oldBackup);
  }
}

TEST_F(BackupTest, FailureAtAnyStepOfARestoreLeavesTheDataFilesAsTheyWere) {
  const int steps = BackUpThenSaveAnother();
  const FolderBytes before = Snapshot(work);

  int failed = 0;
  for (int step = 0; step < steps; ++step) {
    testing::FaultyFileSystem disk(step);
    if (Restore(backup, work, disk).ok()) {  // only tidying up failed
      EXPECT_EQ(ReadBytes(work / "DUDIZIRZ.LOF"), ReadBytes(backup / "DUDIZIRZ.YDK"));
      testing::FaultyFileSystem tidy;
      ASSERT_TRUE(FinishHalfDoneSave(work, tidy));
      testing::ExpectCheckClean(work);
      ASSERT_TRUE(SaveFiles(*savedOver, FileSet::All()));
      ASSERT_EQ(Snapshot(work), before);
      continue;
    }
    ++failed;
    EXPECT_EQ(Snapshot(work), before) << "step " << step;
    testing::ExpectCheckClean(work);
  }
  EXPECT_GE(failed, 2 * 13);  // every write and every move into place
}

// The record of substitutions goes into a backup as a file of its own, comes back with
// the data files, and is checked like them before anything is written.
TEST_F(BackupTest, TheSubstitutionRecordTravelsBesideTheThirteenFiles) {
  LocalFileSystem disk;
  const std::filesystem::path recordFile = work / std::string(kSubstitutionRecordName);
  SubstitutionRecord record;
  ASSERT_TRUE(StartTerm(record, *ParseSchoolDate("2026-09-14")));
  ReplaceDay(record, *ParseSchoolDate("2026-12-09"),
             {{{}, 3, 1, 2, 1, 2, "9 A", "TARİH", "AYŞE", "ÇETİN"}});
  ASSERT_TRUE(SaveSubstitutionRecord(work, record, disk).ok());
  const Bytes saved = ReadBytes(recordFile);

  ASSERT_TRUE(Backup(*school, backup).ok());
  const FolderBytes copies = Snapshot(backup);
  EXPECT_EQ(copies.at(std::string(kSubstitutionRecordName)), saved);
  for (const BackupFile& b : kBackupSet)  // the thirteen stay as they always were
    EXPECT_EQ(copies.at(std::string(b.name)), DataFileImage(*school, b.file)) << b.name;

  SubstitutionRecord later = record;
  ReplaceDay(later, *ParseSchoolDate("2026-12-10"), {{{}, 1, 1, 2, 1, 2, "", "", "", ""}});
  ASSERT_TRUE(SaveSubstitutionRecord(work, later, disk).ok());
  const Bytes laterBytes = ReadBytes(recordFile);
  ASSERT_TRUE(Restore(backup, work).ok());
  testing::ExpectCheckClean(work);
  EXPECT_EQ(ReadBytes(recordFile), saved);

  // Every step of a restore failing in turn: the data files and the record are all old
  // or all new.
  ASSERT_TRUE(SaveSubstitutionRecord(work, later, disk).ok());
  const testing::FolderImage laterWork = testing::ImageOf(work);
  const testing::FaultRuns runs = testing::FailEveryStep(
      {work}, testing::Keeping::kTogether, [&] { testing::PutBack(work, laterWork); },
      [&](FileSystem& faulty) {
        const RestoreResult r = Restore(backup, work, faulty);
        testing::ExpectCheckClean(work);
        return r.ok() ? std::string() : r.status.message();
      });
  EXPECT_GT(runs.failed, 2 * 14);
  testing::PutBack(work, laterWork);

  // A damaged record in the backup stops the restore before anything is written.
  WriteBytes(backup / std::string(kSubstitutionRecordName), Bytes{'{', '}', '\n'});
  const FolderBytes before = Snapshot(work);
  const RestoreResult damaged = Restore(backup, work);
  EXPECT_EQ(damaged.problem, RestoreProblem::kRecordDamaged);
  EXPECT_NE(RestoreProblemText(damaged).find("satır 1"), std::string::npos);
  EXPECT_EQ(Snapshot(work), before);
  testing::ExpectCheckClean(work);

  // A backup made before the record existed leaves the working folder's record alone.
  std::filesystem::remove(backup / std::string(kSubstitutionRecordName));
  ASSERT_TRUE(Restore(backup, work).ok());
  testing::ExpectCheckClean(work);
  EXPECT_EQ(ReadBytes(recordFile), laterBytes);

  // A damaged record in the working folder is not backed up: the old backup stays.
  ASSERT_TRUE(Backup(*school, backup).ok());
  const FolderBytes goodBackup = Snapshot(backup);
  WriteBytes(recordFile, Bytes{'x', '\n'});
  EXPECT_FALSE(Backup(*school, backup).ok());
  EXPECT_EQ(Snapshot(backup), goodBackup);
}

// A backup folder on a shared stick holds other people's files, some with the names a
// half-done save would leave: the backup neither removes nor renames them.
TEST_F(BackupTest, BackupLeavesTheUsersOwnFilesInTheFolderAlone) {
  const FolderBytes users{{"RAPOR.DOC.YENI", Bytes(3, 1)},
                          {"ODEV.ESKI", Bytes(4, 2)},
                          {"DERSLER.YDK.ESKI", Bytes(5, 3)}};
  for (const auto& [name, bytes] : users) WriteBytes(backup / name, bytes);
  ASSERT_TRUE(Backup(*school, backup).ok());
  const FolderBytes after = Snapshot(backup);
  for (const auto& [name, bytes] : after)  // nothing of the save's own is left beside
    EXPECT_TRUE(users.contains(name) || (!name.ends_with(".YENI") && !name.ends_with(".ESKI")))
        << name;
  for (const auto& [name, bytes] : users) {
    ASSERT_TRUE(after.contains(name)) << name;
    EXPECT_EQ(after.at(name), bytes) << name;
  }
}

// A disk that drops out fails two steps in a row at every step of a restore. A restore
// that changed nothing says so; one left half done says which files are restored and
// which wait, the old school in memory can no longer be saved over it, and the next
// start ends it with the backup's files, undamaged.
TEST_F(BackupTest, TwoFailuresInARowAtEveryStepOfARestoreAreReportedAsTheyEnd) {
  const int steps = BackUpThenSaveAnother();
  const FolderBytes before = Snapshot(work);

  int unfinished = 0;
  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE(step);
    PutBack(work, before);
    testing::FaultyFileSystem disk(step, testing::WriteFault::kWrite, 2);
    const RestoreResult r = Restore(backup, work, disk);
    const std::string text = RestoreProblemText(r);
    if (r.problem == RestoreProblem::kWriteFailed) {
      EXPECT_NE(text.find("Hiçbir dosya geri alınmadı"), std::string::npos) << text;
      for (const auto& [name, bytes] : before) EXPECT_EQ(ReadBytes(work / name), bytes) << name;
      testing::ExpectCheckClean(work);
      continue;
    }
    if (r.problem == RestoreProblem::kUnfinished) {
      ++unfinished;
      EXPECT_EQ(text.find("Hiçbir dosya geri alınmadı"), std::string::npos) << text;
      EXPECT_NE(text.find("yarım kaldı"), std::string::npos) << text;
      EXPECT_NE(text.find("Yenisi henüz yerine konmayan dosyalar: "), std::string::npos);
      const Bytes list = ReadBytes(work / "KAYIT.LST");
      EXPECT_FALSE(SaveFiles(*savedOver, FileSet::All()));
      EXPECT_EQ(ReadBytes(work / "KAYIT.LST"), list);
    } else {
      ASSERT_TRUE(r.ok()) << text;
    }
    auto started = testing::NewSchool(work);
    ASSERT_TRUE(LoadSchool(*started));
    for (const BackupFile& b : kBackupSet)
      EXPECT_EQ(ReadBytes(work / std::string(InfoOf(b.file).name)),
                ReadBytes(backup / std::string(b.name)))
          << b.name;
    testing::ExpectCheckClean(work);
  }
  EXPECT_GT(unfinished, 0);
}

// A disk that refuses every new file with one error: a write-protected stick, a folder
// without permission, a failing drive.
class RefusingDisk : public testing::MemoryFileSystem {
 public:
  explicit RefusingDisk(int error) : error_(error) {}
  Status TryNewFile(const std::filesystem::path& path, int& error) override {
    error = error_;
    return Status::Error(path.string() + ": " + std::strerror(error_));
  }

 private:
  int error_;
};

TEST_F(BackupTest, BackupFolderThatIsMissingOrReadOnlyGetsNoFile) {
  Status status = Status::Ok();
  EXPECT_EQ(Backup(*school, root.path() / "yok").folder, FolderState::kMissing);
  EXPECT_FALSE(std::filesystem::exists(root.path() / "yok"));
  // A file where the folder, or a folder above it, should be.
  WriteBytes(root.path() / "dosya", Bytes{1});
  EXPECT_EQ(Backup(*school, root.path() / "dosya").folder, FolderState::kMissing);
  EXPECT_EQ(Backup(*school, root.path() / "dosya" / "alt").folder, FolderState::kMissing);
  EXPECT_EQ(ReadBytes(root.path() / "dosya"), Bytes{1});

  LocalFileSystem machine;
  EXPECT_EQ(ProbeBackupFolder(backup, machine, status), FolderState::kWritable);
  EXPECT_TRUE(status.ok());
  EXPECT_TRUE(std::filesystem::is_empty(backup));  // the probe cleans up after itself

  const std::pair<int, FolderState> cases[] = {
      {EROFS, FolderState::kReadOnly}, {EACCES, FolderState::kReadOnly},
      {EPERM, FolderState::kReadOnly}, {EIO, FolderState::kFailed},
      {EEXIST, FolderState::kFailed},  {ENOENT, FolderState::kMissing},
      {ENOTDIR, FolderState::kMissing}};
  for (const auto& [error, state] : cases) {
    SCOPED_TRACE(std::strerror(error));
    RefusingDisk disk(error);
    ASSERT_TRUE(disk.MakeFolders("/yedek").ok());
    const BackupResult r = Backup(*school, "/yedek", disk);
    EXPECT_EQ(r.folder, state);
    EXPECT_FALSE(r.ok());
    // A folder that is not there needs no reason; the others carry the system's.
    if (state == FolderState::kMissing) {
      EXPECT_TRUE(r.status.ok());
    } else {
      EXPECT_EQ(r.status.message(), std::string("/yedek: ") + std::strerror(error));
    }
    EXPECT_TRUE(disk.files().empty());
  }
  // And the machine's own refusal, where it refuses.
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  std::filesystem::permissions(backup, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
  const BackupResult r = Backup(*school, backup);
  EXPECT_EQ(r.folder, FolderState::kReadOnly);
  EXPECT_FALSE(r.status.ok());
}

}  // namespace
}  // namespace kalvodrin
