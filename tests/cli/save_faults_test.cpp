// Every command that writes, made to fail at each step of its save in turn: the caller
// is told why (exit code 1 and the system's message), and the files it would have
// replaced are still the old ones, byte for byte.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/pdf_writer.h"
#include "core/school_json.h"
#include "core/storage.h"
#include "fault_runs.h"
#include "folder_check.h"
#include "school_builder.h"
#include "school_files.h"
#include "vel_files.h"

namespace kalvodrin {
namespace {

using testing::FaultRuns;
using testing::FolderImage;
using testing::ImageOf;
using testing::Keeping;
using testing::PutBack;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

// Runs the tool in this process through `disk`; the error message it printed when it
// failed, empty when it succeeded.
std::string RunThrough(FileSystem& disk, std::vector<std::string> args) {
  args.insert(args.begin(), "kalvodrin-cli");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  cli::PdfWriter pdf({KALVODRIN_PDF_MODULE});
  const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), disk, pdf);
  static_cast<void>(::testing::internal::GetCapturedStdout());
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(code, 2) << err;
  if (code == 0) return "";
  return err.empty() ? "exit " + std::to_string(code) : err;
}

// A working folder with a small school that a one-teacher run and the completion
// change quickly, and its image.
class CliSaveFaults : public ::testing::Test {
 protected:
  CliSaveFaults() {
    school = SmallTimetableSchool().Build();
    school.WorkFolder = work;
    fs::create_directories(work);
    EXPECT_TRUE(SaveFiles(school, FileSet::All()));
    workImage = ImageOf(work);
  }

  // Checks the command against every failing step; `watched` are the folders whose
  // files it replaces, the working folder put back before each run. With `school`, the
  // first watched folder must pass the data check after every run, failed or not.
  enum class Made { kOther, kSchool };
  FaultRuns Check(const std::vector<std::string>& args, std::vector<fs::path> watched = {},
                  Keeping keeping = Keeping::kTogether, Made made = Made::kOther) {
    if (watched.empty()) watched = {work};
    std::vector<FolderImage> images;
    for (const fs::path& f : watched) images.push_back(ImageOf(f));
    const FaultRuns runs = testing::FailEveryStep(
        watched, keeping,
        [&] {
          for (std::size_t i = 0; i < watched.size(); ++i) PutBack(watched[i], images[i]);
        },
        [&](FileSystem& disk) {
          std::string error = RunThrough(disk, args);
          if (made == Made::kSchool) testing::ExpectCheckClean(watched.front());
          return error;
        });
    EXPECT_GT(runs.failed, 0);
    counted += runs.runs;
    return runs;
  }

  static std::string Folder(const fs::path& p) { return p.string(); }

  TempFolder temp;
  fs::path work = temp.path() / "okul";
  School school;
  FolderImage workImage;
  int counted = 0;
};

TEST_F(CliSaveFaults, ScheduleAndCompleteKeepTheOldTimetablesAndSayWhy) {
  const FaultRuns schedule = Check({"schedule", "--folder", Folder(work), "--teacher", "1"});
  // Three timetable files and the list: each write fails three ways.
  EXPECT_GE(schedule.runs, schedule.steps);
  Check({"complete", "--folder", Folder(work), "--seed", "7"});
}

TEST_F(CliSaveFaults, InitAndFromJsonLeaveNoHalfSchool) {
  const fs::path fresh = temp.path() / "yeni";
  fs::create_directories(fresh);
  Check({"init", "--folder", Folder(fresh)}, {fresh});
  const fs::path json = temp.path() / "okul.json";
  const std::string text = SchoolJsonText(school);
  WriteBytes(json, Bytes(text.begin(), text.end()));
  // Over an existing folder: the old school stays whole.
  Check({"from-json", Folder(json), "--folder", Folder(work), "--overwrite"});
}

TEST_F(CliSaveFaults, BackupRestoreAndImportWriteTheirSetOrNothing) {
  const fs::path backup = temp.path() / "yedek";
  fs::create_directories(backup);
  LocalFileSystem local;
  ASSERT_EQ(RunThrough(local, {"backup", "--folder", Folder(work), "--to", Folder(backup)}), "");
  // The school moves on, so that each command has something to replace.
  school.Teachers.back().name.assign("YENI AD");
  ASSERT_TRUE(SaveFiles(school, FileSet::All()));
  Check({"backup", "--folder", Folder(work), "--to", Folder(backup)}, {backup});
  Check({"restore", "--folder", Folder(work), "--from", Folder(backup)}, {work}, Keeping::kTogether,
        Made::kSchool);

  const fs::path vel = temp.path() / "VEL";
  const fs::path target = temp.path() / "aktarilan";
  fs::create_directories(vel);
  fs::create_directories(target);
  testing::WriteOneClassVelFolder(vel);
  Check({"import", "--folder", Folder(target), "--from", Folder(vel)}, {target}, Keeping::kTogether,
        Made::kSchool);
}

// Exports and printouts are written file by file, each whole or not at all.
TEST_F(CliSaveFaults, ExportsAndPrintoutsNeverLeaveATornFile) {
  const fs::path out = temp.path() / "site";
  LocalFileSystem local;
  for (const char* format : {"html", "csv", "ics"}) {
    SCOPED_TRACE(format);
    fs::remove_all(out);
    ASSERT_EQ(RunThrough(local, {"export", "--format", format, "--folder", Folder(work), "--out",
                                 Folder(out), "--start-date", "2026-09-07"}),
              "");
    school.Rooms.front().name.assign("KIMYA LAB");  // every page changes
    ASSERT_TRUE(SaveFiles(school, FileSet::All()));
    Check({"export", "--format", format, "--folder", Folder(work), "--out", Folder(out),
           "--start-date", "2026-09-07"},
          {out}, Keeping::kEachFile);
  }
#ifdef KALVODRIN_HAVE_PDF
  const fs::path pdf = temp.path() / "pdf";
  fs::create_directories(pdf);
  WriteBytes(pdf / "sinif.pdf", Bytes(100, 'x'));
  Check({"print", "--what", "class", "--all", "--folder", Folder(work), "--pdf",
         Folder(pdf / "sinif.pdf")},
        {pdf});
#endif
}

}  // namespace
}  // namespace kalvodrin
