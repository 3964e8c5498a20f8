// kalvodrin-cli as a user runs it: exit codes, what it prints and what it writes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "cli_run.h"
#include "core/settings_record.h"
#include "core/storage.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

TEST(CliInit, WritesEveryFileAtItsDefaultAndNeverOverAnExistingSchool) {
  TempFolder temp;
  const fs::path folder = temp.path() / "okul";
  const CliRun run = Cli(temp, "init --folder " + Quoted(folder));
  ASSERT_EQ(run.code, 0) << run.err;
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    ++files;
    const std::string name = entry.path().filename().string();
    const Bytes bytes = ReadBytes(entry.path());
    if (name == "DUDIZIR1.LOF") {
      EXPECT_EQ(bytes, Bytes(250, 0));
    } else if (name == "DUDIZIRQ.LOF") {
      const TSettingsRec defaults = DefaultSettings();
      ASSERT_EQ(bytes.size(), 568u);
      EXPECT_EQ(std::memcmp(bytes.data(), &defaults, 568), 0);
    } else {
      EXPECT_TRUE(bytes.empty()) << name;
    }
  }
  EXPECT_EQ(files, kDataFileCount);

  WriteBytes(folder / "DERSLER.LOF", Bytes(48, 7));
  const CliRun again = Cli(temp, "init --folder " + Quoted(folder));
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("zaten bir çalışma klasörü"), std::string::npos) << again.err;
  EXPECT_EQ(ReadBytes(folder / "DERSLER.LOF"), Bytes(48, 7));
}

TEST(CliUsage, MistakesExitWithTwoAndHelpWithZero) {
  TempFolder temp;
  EXPECT_EQ(Cli(temp, "").code, 2);
  EXPECT_EQ(Cli(temp, "dance").code, 2);
  EXPECT_EQ(Cli(temp, "from-json --folder x").code, 2);  // FILE missing
  EXPECT_EQ(Cli(temp, "check --colour red").code, 2);
  const CliRun help = Cli(temp, "--help");
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("from-json"), std::string::npos);
}

TEST(CliCheck, ListsDamageWithItsRecordAndExitsOne) {
  TempFolder temp;
  const fs::path folder = temp.path() / "okul";
  ASSERT_EQ(Cli(temp, "init --folder " + Quoted(folder)).code, 0);
  fs::remove(folder / "KUME.LOF");  // missing is not damage, and checking writes nothing
  const CliRun clean = Cli(temp, "check --folder " + Quoted(folder));
  EXPECT_EQ(clean.code, 0) << clean.out << clean.err;
  EXPECT_FALSE(fs::exists(folder / "KUME.LOF"));

  Bytes lessons(48 * 2 + 5, 0);
  lessons[0] = 1;
  lessons[1] = 40;  // a name longer than its field
  lessons[48] = 2;
  WriteBytes(folder / "DERSLER.LOF", lessons);
  const CliRun damaged = Cli(temp, "check --folder " + Quoted(folder));
  EXPECT_EQ(damaged.code, 1);
  EXPECT_NE(damaged.out.find("DERSLER.LOF, kayıt 1: ders 1: name uzunluk baytı 40"),
            std::string::npos) << damaged.out;
  EXPECT_NE(damaged.out.find("DERSLER.LOF: dosyanın sonunda yarım kayıt: 5 bayt"),
            std::string::npos) << damaged.out;
  EXPECT_NE(damaged.err.find("sorun bulundu"), std::string::npos);

  const CliRun missing = Cli(temp, "check --folder " + Quoted(temp.path() / "yok"));
  EXPECT_EQ(missing.code, 1);
  EXPECT_FALSE(fs::exists(temp.path() / "yok"));
}

std::vector<fs::path> FilesUnder(const fs::path& root) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Without --folder the tool looks for YARDIM.LOF in the current folder and then in the
// user's configuration folder; commands that only read create neither it nor the
// folders on the way, and say that the default working folder is missing.
TEST(CliCheck, ReadingCommandsWithoutAFolderWriteNothingAnywhere) {
  TempFolder temp;
  const fs::path root = temp.path() / "user";
  for (const char* sub : {"home", "cwd"}) fs::create_directories(root / sub);
  const std::string setup = "cd " + Quoted(root / "cwd") + " && HOME=" + Quoted(root / "home") +
                            " XDG_CONFIG_HOME=" + Quoted(root / "home" / "config") +
                            " XDG_DATA_HOME=" + Quoted(root / "home" / "data") + " ";
  const std::string out = Quoted(temp.path() / "out");
  std::vector<std::string> commands = {"check",
                                       "to-json",
                                       "report",
                                       "duty --propose",
                                       "export --format csv --out " + out,
                                       "backup --to " + out};
#ifdef KALVODRIN_HAVE_PDF
  commands.push_back("print --what duty-chart --pdf " + out);
#endif
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const CliRun run = Cli(temp, command, setup);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("VORTELAMINKA"), std::string::npos) << run.err;
    EXPECT_EQ(FilesUnder(root), (std::vector<fs::path>{root / "cwd", root / "home"}));
  }
  // A writing command finds the working folder as the desktop program does.
  EXPECT_EQ(Cli(temp, "init", setup).code, 0);
  EXPECT_TRUE(fs::exists(root / "home" / "config" / "kalvodrin" / "YARDIM.LOF"));
  EXPECT_TRUE(
      fs::exists(root / "home" / "data" / "kalvodrin" / "C" / "VORTELAMINKA" / "DERSLER.LOF"));
  EXPECT_EQ(Cli(temp, "check", setup).code, 0);
}

// Files of random bytes, each with a torn last record: every check reads only within
// bounds (the sanitizer build would stop here otherwise) and the tool says why it fails.
TEST(CliCheck, SurvivesFilesOfRandomBytes) {
  TempFolder temp;
  std::mt19937 random(20261208);
  for (const DataFileInfo& info : kDataFiles) {
    Bytes bytes(info.recordSize * 6 + 1);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    WriteBytes(temp.path() / info.name, bytes);
  }
  const CliRun run = Cli(temp, "check --folder " + Quoted(temp.path()));
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.out.find("KUME.LOF: dosyanın sonunda yarım kayıt: 1 bayt"), std::string::npos);
  EXPECT_NE(run.err.find("sorun bulundu"), std::string::npos);
}

TEST(CliJson, ToJsonThenFromJsonGivesTheSameFiles) {
  TempFolder temp;
  const fs::path original = temp.path() / "a";
  const fs::path copied = temp.path() / "b";
  fs::create_directories(original);
  auto school = testing::SampleSchool(original);
  school->Lessons[0].name.chars[29] = 'Q';  // undefined byte after the text
  school->TeacherGrids[0].link = {1, 2, 3, 4};
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  Bytes lessonsWithoutGarbage = ReadBytes(original / "DERSLER.LOF");
  lessonsWithoutGarbage[1 + 1 + 29] = 0;

  const CliRun out = Cli(temp, "to-json --folder " + Quoted(original));
  ASSERT_EQ(out.code, 0) << out.err;
  const fs::path json = temp.path() / "okul.json";
  std::ofstream(json) << out.out;
  const CliRun in = Cli(temp, "from-json " + Quoted(json) + " --folder " + Quoted(copied));
  ASSERT_EQ(in.code, 0) << in.err;
  for (const DataFileInfo& info : kDataFiles) {
    const Bytes expected = info.file == DataFile::kLessons ? lessonsWithoutGarbage
                                                           : ReadBytes(original / info.name);
    EXPECT_EQ(ReadBytes(copied / info.name), expected) << info.name;
  }
}

TEST(CliJson, FromJsonRefusesBadInputAndWritesNothing) {
  TempFolder temp;
  const fs::path source = temp.path() / "a";
  fs::create_directories(source);
  ASSERT_TRUE(SaveFiles(*testing::SampleSchool(source), FileSet::All()));
  std::string json = Cli(temp, "to-json --folder " + Quoted(source)).out;
  const std::string good = json;
  json.replace(json.find("\"weeklyHours\":5"), 15, "\"weeklyHours\":500");
  std::ofstream(temp.path() / "bad.json") << json;
  std::ofstream(temp.path() / "broken.json") << good.substr(0, good.size() / 2);
  std::ofstream(temp.path() / "good.json") << good;

  const fs::path target = temp.path() / "yeni";
  const CliRun bad = Cli(temp, "from-json " + Quoted(temp.path() / "bad.json") + " --folder " +
                                Quoted(target));
  EXPECT_EQ(bad.code, 1);
  EXPECT_NE(bad.err.find("lessons[2].weeklyHours: 0..255"), std::string::npos) << bad.err;
  const CliRun broken = Cli(temp, "from-json " + Quoted(temp.path() / "broken.json") +
                                   " --folder " + Quoted(target));
  EXPECT_EQ(broken.code, 1);
  EXPECT_NE(broken.err.find("sözdizimi"), std::string::npos) << broken.err;
  EXPECT_EQ(Cli(temp, "from-json " + Quoted(temp.path() / "none.json") + " --folder " +
                          Quoted(target)).code, 1);
  EXPECT_FALSE(fs::exists(target));

  // An existing school is replaced only when asked.
  const Bytes before = ReadBytes(source / "DERSLER.LOF");
  WriteBytes(source / "DERSLER.LOF", Bytes(48, 9));
  EXPECT_EQ(Cli(temp, "from-json " + Quoted(temp.path() / "good.json") + " --folder " +
                          Quoted(source)).code, 1);
  EXPECT_EQ(ReadBytes(source / "DERSLER.LOF"), Bytes(48, 9));
  EXPECT_EQ(Cli(temp, "from-json " + Quoted(temp.path() / "good.json") + " --overwrite --folder " +
                          Quoted(source)).code, 0);
  EXPECT_EQ(ReadBytes(source / "DERSLER.LOF"), before);
}

}  // namespace
}  // namespace kalvodrin
