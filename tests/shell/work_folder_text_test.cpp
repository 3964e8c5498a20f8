#include "shell/work_folder_text.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/paths.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

TEST(WorkFolderTextTest, DoubleClickTogglesOnlyTheTwoKnownFolders) {
  EXPECT_EQ(TogglePathText("C:\\Kalvodrin\\"), "C:\\ekbina\\");
  EXPECT_EQ(TogglePathText(TogglePathText("C:\\Kalvodrin\\")), "C:\\Kalvodrin\\");
  EXPECT_EQ(TogglePathText("C:\\ekbina\\"), "C:\\Kalvodrin\\");
  // Compared exactly: other spellings and other folders stay as they are.
  EXPECT_EQ(TogglePathText("c:\\kalvodrin\\"), "c:\\kalvodrin\\");
  EXPECT_EQ(TogglePathText("C:\\Kalvodrin"), "C:\\Kalvodrin");
  EXPECT_EQ(TogglePathText(""), "");
  EXPECT_EQ(TogglePathText("D:\\OKUL\\"), "D:\\OKUL\\");
}

TEST(WorkFolderTextTest, StoredTextIsCp1254CutToEightyCharacters) {
  EXPECT_EQ(StoredPathText("D:\\ŞİŞLİ\\"), std::optional<std::string>("D:\\\xDE\xDD\xDEL\xDD\\"));
  std::string longPath = "D:\\";
  for (int i = 0; i < 50; ++i) longPath += "Ğ";  // two bytes in UTF-8, one in cp1254
  for (int i = 0; i < 50; ++i) longPath += "a";
  const std::optional<std::string> stored = StoredPathText(longPath);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->size(), 80u);
  EXPECT_EQ(stored->substr(0, 4), "D:\\\xD0");
  // A path with a letter the code page cannot write could not be read back.
  EXPECT_FALSE(StoredPathText("D:\\Ж\\"));
}

TEST(WorkFolderTextTest, StoringCreatesTheFolderOfYardimAndRoundTrips) {
  testing::TempFolder root;
  const auto file = root.path() / "yeni" / "YARDIM.LOF";
  LocalFileSystem disk;
  ASSERT_TRUE(StoreWorkFolder(file, "D:\\OKUL\\", disk));
  std::string stored;
  ASSERT_TRUE(LoadWorkFolder(file, stored));
  EXPECT_EQ(stored, "D:\\OKUL\\");
  std::ofstream(root.path() / "engel") << "x";
  EXPECT_FALSE(StoreWorkFolder(root.path() / "engel" / "YARDIM.LOF", "D:\\", disk));
}

}  // namespace
}  // namespace kalvodrin
