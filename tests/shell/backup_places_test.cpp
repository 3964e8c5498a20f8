#include "shell/backup_places.h"

#include <gtest/gtest.h>

#include <set>

#include "core/file_io.h"
#include "school_files.h"
#include "shell/backup_texts.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(BackupPlacesTest, RememberedFolderIsTheFirstAbsoluteLineAndNothingElse) {
  TempFolder root;
  PlatformDirs dirs;
  dirs.configHome = root / "config";
  const std::filesystem::path file = ChosenBackupFolderFile(dirs);
  EXPECT_EQ(file, root / "config" / "kalvodrin" / "yedek-klasoru.txt");
  EXPECT_FALSE(ReadChosenBackupFolder(file));  // never chosen

  LocalFileSystem disk;
  ASSERT_TRUE(SaveChosenBackupFolder(file, "/media/ayşe/USB BELLEK/yedek", disk));
  EXPECT_EQ(ReadChosenBackupFolder(file), std::filesystem::path("/media/ayşe/USB BELLEK/yedek"));
  EXPECT_EQ(ReadBytes(file)[0], '#');  // the file says what it is

  WriteBytes(file, Text("\r\n# yorum\n\n/run/media/ali/X\r\n/ikinci\n"));
  EXPECT_EQ(ReadChosenBackupFolder(file), std::filesystem::path("/run/media/ali/X"));
  WriteBytes(file, Text("# yorum\nyedek/klasor\n/sonraki\n"));
  EXPECT_FALSE(ReadChosenBackupFolder(file));  // relative: not a folder we can trust
  WriteBytes(file, Text("# yalnız yorum\n"));
  EXPECT_FALSE(ReadChosenBackupFolder(file));

  // A relative folder is refused and the remembered one stays.
  ASSERT_TRUE(SaveChosenBackupFolder(file, "/media/a", disk));
  EXPECT_FALSE(SaveChosenBackupFolder(file, "media/b", disk));
  EXPECT_EQ(ReadChosenBackupFolder(file), std::filesystem::path("/media/a"));
}

TEST(BackupPlacesTest, FolderChooserOpensOnTheRememberedFolderThenOnRemovableMedia) {
  static std::set<std::filesystem::path> present;
  const auto exists = [](const std::filesystem::path& p) { return present.count(p) > 0; };
  const std::filesystem::path home = "/home/ali";
  present = {};
  EXPECT_EQ(FolderChooserStart(std::nullopt, "ali", home, exists), home);
  EXPECT_EQ(FolderChooserStart(std::filesystem::path("/gone"), "ali", home, exists), home);
  present = {"/media"};
  EXPECT_EQ(FolderChooserStart(std::nullopt, "ali", home, exists), "/media");
  present = {"/media", "/run/media"};
  EXPECT_EQ(FolderChooserStart(std::nullopt, "ali", home, exists), "/run/media");
  present = {"/media", "/run/media", "/media/ali"};
  EXPECT_EQ(FolderChooserStart(std::nullopt, "ali", home, exists), "/media/ali");
  EXPECT_EQ(FolderChooserStart(std::nullopt, "", home, exists), "/run/media");
  present = {"/media/ali", "/run/media/ali", "/yedek"};
  EXPECT_EQ(FolderChooserStart(std::nullopt, "ali", home, exists), "/run/media/ali");
  EXPECT_EQ(FolderChooserStart(std::filesystem::path("/yedek"), "ali", home, exists), "/yedek");
}

TEST(BackupPlacesTest, FixedFolderIsCreatedWhereItCanBeAndOtherwiseStaysMissing) {
  TempFolder root;
  EXPECT_TRUE(CreateFixedBackupFolder(root / "data" / "kalvodrin" / "D" / "yedek"));
  EXPECT_TRUE(std::filesystem::is_directory(root / "data" / "kalvodrin" / "D" / "yedek"));
  EXPECT_TRUE(CreateFixedBackupFolder(root / "data" / "kalvodrin" / "D" / "yedek"));  // there
  WriteBytes(root / "dosya", Text("x"));  // a file where a folder must go
  EXPECT_FALSE(CreateFixedBackupFolder(root / "dosya" / "yedek"));
  EXPECT_FALSE(CreateFixedBackupFolder(root / "dosya"));
  EXPECT_FALSE(std::filesystem::exists(root / "dosya" / "yedek"));
}

TEST(BackupPlacesTest, ChosenFolderThatIsGoneIsNamedWithoutTheDiskettesNotice) {
  BackupResult backup;
  backup.folder = FolderState::kMissing;
  const std::string chosen = BackupNoticeText(BackupPlace::kChosenFolder, backup, "/media/usb");
  EXPECT_NE(chosen.find("/media/usb"), std::string::npos);
  EXPECT_NE(chosen.find("Hiçbir dosya yazılmadı."), std::string::npos);
  EXPECT_EQ(BackupNoticeText(BackupPlace::kFixedFolder, backup, "/x"), kNoDiskNotice);
  EXPECT_EQ(BackupNoticeText(BackupPlace::kWorkFolder, backup, "/x").find("/x"), std::string::npos);

  RestoreResult restore;
  restore.problem = RestoreProblem::kFolderMissing;
  const std::string gone = RestoreNoticeText(BackupPlace::kChosenFolder, restore, "/media/usb");
  EXPECT_NE(gone.find("/media/usb"), std::string::npos);
  EXPECT_NE(gone.find("Hiçbir dosya geri alınmadı."), std::string::npos);
  EXPECT_EQ(RestoreNoticeText(BackupPlace::kFixedFolder, restore, "/x"), kNoBackupFolderNotice);
}

}  // namespace
}  // namespace kalvodrin
