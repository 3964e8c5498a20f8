// kalvodrin-cli backup, restore and import as a user runs them.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "core/storage.h"
#include "folder_check.h"
#include "school_files.h"
#include "vel_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

TEST(CliBackup, BackupThenRestoreGivesTheSameFilesAndATornSetRestoresNothing) {
  TempFolder temp;
  const fs::path work = temp.path() / "okul";
  const fs::path backup = temp.path() / "yedek";
  fs::create_directories(work);
  auto school = testing::SampleSchool(work);
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  const Bytes grids = ReadBytes(work / "DUDIZIRZ.LOF");

  const std::string to = " --to " + Quoted(backup);
  // A backup folder not there yet is made, parents and all.
  const fs::path deeper = temp.path() / "usb" / "yedek";
  const CliRun made = Cli(temp, "backup --folder " + Quoted(work) + " --to " + Quoted(deeper));
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(ReadBytes(deeper / "DUDIZIRZ.YDK"), grids);
  const CliRun saved = Cli(temp, "backup --folder " + Quoted(work) + to);
  ASSERT_EQ(saved.code, 0) << saved.err;
  EXPECT_EQ(saved.out, "Yedek alma işlemi tamamlandı.\n");
  EXPECT_EQ(ReadBytes(backup / "DUDIZIRZ.YDK"), grids);

  WriteBytes(work / "DUDIZIRZ.LOF", Bytes{});
  const std::string from = " --from " + Quoted(backup);
  const CliRun restored = Cli(temp, "restore --folder " + Quoted(work) + from);
  ASSERT_EQ(restored.code, 0) << restored.err;
  EXPECT_EQ(ReadBytes(work / "DUDIZIRZ.LOF"), grids);
  testing::ExpectCheckClean(work);

  // Over a school of nothing, a torn set restores nothing.
  Bytes torn = ReadBytes(backup / "OGRETMEN.YDK");
  torn.pop_back();
  WriteBytes(backup / "OGRETMEN.YDK", torn);
  ASSERT_TRUE(SaveFiles(*testing::NewSchool(work), FileSet::All()));
  const CliRun refused = Cli(temp, "restore --folder " + Quoted(work) + from);
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("OGRETMEN.YDK dosyası bozuk"), std::string::npos) << refused.err;
  EXPECT_TRUE(ReadBytes(work / "DUDIZIRZ.LOF").empty());
  EXPECT_TRUE(ReadBytes(work / "DERSLER.LOF").empty());
  testing::ExpectCheckClean(work);
  EXPECT_EQ(Cli(temp, "restore --folder " + Quoted(work)).code, 2);  // --from missing
}

// A mistyped folder holds no school: every command that needs one refuses, writes
// nothing, there or elsewhere, and exits 1. A folder with one data file is a school.
TEST(CliCommands, ThoseNeedingASchoolRefuseAFolderWithoutOne) {
  TempFolder temp;
  const fs::path empty = temp.path() / "bos";
  const fs::path out = temp.path() / "cikti";
  fs::create_directories(empty);
  for (const std::string& command :
       {std::string("schedule"), std::string("complete --seed 1"), std::string("check"),
        std::string("to-json"), std::string("report"), std::string("duty --propose"),
        "export --format csv --out " + Quoted(out), "backup --to " + Quoted(out)}) {
    SCOPED_TRACE(command);
    const CliRun run = Cli(temp, command + " --folder " + Quoted(empty));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("bu klasörde okul yok"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Tebrikler"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::is_empty(empty));
    EXPECT_FALSE(fs::exists(out));
  }
  WriteBytes(empty / "DERSLER.LOF", Bytes{});
  EXPECT_EQ(Cli(temp, "check --folder " + Quoted(empty)).code, 0);
}

// duty --propose: a weight names a teacher by number or by name; an unknown teacher or
// place, and a weight with anything after its digit, are errors.
TEST(CliDuty, WeightsNameATeacherAndSlipsAreRefused) {
  TempFolder temp;
  const fs::path work = temp.path() / "okul";
  fs::create_directories(work);
  ASSERT_TRUE(SaveFiles(*testing::SampleSchool(work), FileSet::All()));
  const std::string folder = " --folder " + Quoted(work);
  EXPECT_EQ(Cli(temp, "duty --propose --weight 1=2" + folder).code, 0);
  const CliRun byName = Cli(temp, "duty --propose --json --weight 'ayşe yılmaz=0'" + folder);
  ASSERT_EQ(byName.code, 0) << byName.err;
  EXPECT_NE(byName.out.find("\"weight\": 0"), std::string::npos) << byName.out;
  for (const char* bad : {"1=2x", "9=1", "KİMSE=1", "1=10", "1", "=1"}) {
    SCOPED_TRACE(bad);
    const CliRun run = Cli(temp, "duty --propose --weight '" + std::string(bad) + "'" + folder);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
  const CliRun place = Cli(temp, "duty --propose --places 7" + folder);
  EXPECT_EQ(place.code, 1);
  EXPECT_NE(place.err.find("7 numaralı nöbet yeri yok"), std::string::npos) << place.err;
}

TEST(CliImport, ConvertsIntoANewFolderOnceAndReportsWhatItLeftOut) {
  TempFolder temp;
  const fs::path vel = temp.path() / "VEL";
  const fs::path work = temp.path() / "okul";
  fs::create_directories(vel);
  testing::WriteOneClassVelFolder(vel, true);  // class 8 does not exist

  const std::string args = "import --folder " + Quoted(work) + " --from " + Quoted(vel);
  const CliRun run = Cli(temp, args);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("CLLE.PRG, kayıt 2: sınıf 8, ders 1: sınıf yok, aktarılmadı"),
            std::string::npos) << run.out;
  EXPECT_EQ(fs::file_size(work / "DERSLER.LOF"), 48u);
  EXPECT_EQ(fs::file_size(work / "DUDIZIR2.LOF"), 42u);
  EXPECT_EQ(fs::file_size(work / "LESSON.PRG"), 48u);
  testing::ExpectCheckClean(work);

  const CliRun again = Cli(temp, args);
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("daha önce aktarılmış"), std::string::npos) << again.err;
}

}  // namespace
}  // namespace kalvodrin
