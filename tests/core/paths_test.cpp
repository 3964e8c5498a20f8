#include <gtest/gtest.h>

#include "core/paths.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::Cp;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

PlatformDirs Dirs(const fs::path& root) {
  return {root / "cwd", root / "config", root / "data"};
}

TEST(MapStoredPath, MapsDrivesAbsoluteAndRelativePaths) {
  const PlatformDirs dirs = Dirs("/r");
  EXPECT_EQ(MapStoredPath("C:\\VORTELAMINKA\\", dirs), fs::path("/r/data/kalvodrin/C/VORTELAMINKA"));
  EXPECT_EQ(MapStoredPath("d:\\yedek", dirs), fs::path("/r/data/kalvodrin/D/yedek"));
  EXPECT_EQ(MapStoredPath("C:\\", dirs), fs::path("/r/data/kalvodrin/C"));
  EXPECT_EQ(MapStoredPath("/srv/okul/", dirs), fs::path("/srv/okul/"));
  EXPECT_EQ(MapStoredPath("veri\\2024", dirs), fs::path("/r/cwd/veri/2024"));
  // A folder of the current drive, not of the file system's root.
  EXPECT_EQ(MapStoredPath("\\OKUL\\", dirs), fs::path("/r/cwd/OKUL"));
  EXPECT_EQ(MapStoredPath("\\\\OKUL\\VERI", dirs), fs::path("/r/cwd/OKUL/VERI"));
  EXPECT_EQ(MapStoredPath("\\", dirs), fs::path("/r/cwd"));
  // The stored text is cp1254; the folder name is UTF-8.
  EXPECT_EQ(MapStoredPath(Cp("C:\\ÖĞRETMEN\\"), dirs), fs::path("/r/data/kalvodrin/C/ÖĞRETMEN"));
}

TEST(WorkFolderFile, PrefersAPortableFileInTheCurrentFolder) {
  TempFolder temp;
  const PlatformDirs dirs = Dirs(temp.path());
  fs::create_directories(dirs.currentDir);
  EXPECT_EQ(WorkFolderFileLocation(dirs), dirs.configHome / "kalvodrin" / "YARDIM.LOF");
  WriteBytes(dirs.currentDir / "yardim.lof", Bytes(81, 0));
  EXPECT_EQ(WorkFolderFileLocation(dirs), dirs.currentDir / "yardim.lof");
}

TEST(WorkFolderFile, ReadingAMissingFileGivesTheDefaultAndWritesNothing) {
  TempFolder temp;
  const fs::path file = temp.path() / "config" / "kalvodrin" / "YARDIM.LOF";
  std::string stored;
  bool missing = false;
  ASSERT_TRUE(ReadWorkFolder(file, stored, &missing));
  EXPECT_TRUE(missing);
  EXPECT_EQ(stored, "C:\\VORTELAMINKA\\");
  EXPECT_FALSE(fs::exists(temp.path() / "config"));
}

TEST(WorkFolderFile, MissingFileIsCreatedWithTheDefaultPath) {
  TempFolder temp;
  const fs::path file = temp.path() / "config" / "kalvodrin" / "YARDIM.LOF";
  std::string stored;
  ASSERT_TRUE(LoadWorkFolder(file, stored));
  EXPECT_EQ(stored, "C:\\VORTELAMINKA\\");
  const Bytes bytes = ReadBytes(file);
  ASSERT_EQ(bytes.size(), 81u);
  EXPECT_EQ(bytes[0], 16);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 17), "C:\\VORTELAMINKA\\");

  ASSERT_TRUE(SaveWorkFolder(file, std::string(90, 'X')));
  ASSERT_TRUE(LoadWorkFolder(file, stored));
  EXPECT_EQ(stored, std::string(80, 'X'));

  Bytes damaged(81, 'Y');
  damaged[0] = 200;  // a length beyond the field reads as the field
  WriteBytes(file, damaged);
  ASSERT_TRUE(LoadWorkFolder(file, stored));
  EXPECT_EQ(stored, std::string(80, 'Y'));
}

}  // namespace
}  // namespace kalvodrin
