// The in-memory file system answers every step the saves and loads take as the
// machine's own does, and the loads read through whichever they are given.

#include "memory_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/storage.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

namespace fs = std::filesystem;
using testing::MemoryFileSystem;

std::string Shown(const std::optional<Bytes>& content) {
  return content ? std::string(content->begin(), content->end()) : "<none>";
}

// The same steps on either file system, under `root`; each step's outcome as a line.
std::vector<std::string> Script(FileSystem& disk, const fs::path& root) {
  std::vector<std::string> log;
  const auto step = [&](const std::string& what, bool ok) {
    log.push_back(what + (ok ? " ok" : " failed"));
  };
  const Bytes abc{'a', 'b', 'c'};
  std::optional<Bytes> content;
  step("write a", disk.WriteDurably(root / "a", abc, {}).ok());
  step("write in a missing folder", disk.WriteDurably(root / "no" / "b", abc, {}).ok());
  step("make x/y", disk.MakeFolders(root / "x" / "y").ok());
  step("make x again", disk.MakeFolders(root / "x").ok());
  step("write over folder x", disk.WriteDurably(root / "x", abc, {}).ok());
  step("write under file a", disk.WriteDurably(root / "a" / "z", abc, {}).ok());
  step("make under file a", disk.MakeFolders(root / "a" / "z").ok());
  step("make over file a", disk.MakeFolders(root / "a").ok());
  step("rename a to c", disk.Rename(root / "a", root / "c").ok());
  step("a is gone", !disk.Exists(root / "a"));
  step("read c", disk.Read(root / "c", content).ok());
  step("c is " + Shown(content), true);
  step("write d", disk.WriteDurably(root / "d", Bytes{'d'}, {}).ok());
  step("rename d over c", disk.Rename(root / "d", root / "c").ok());
  step("read c", disk.Read(root / "c", content).ok());
  step("c is " + Shown(content), true);
  step("rename c over folder x", disk.Rename(root / "c", root / "x").ok());
  step("rename a missing file", disk.Rename(root / "none", root / "e").ok());
  step("read a missing file", disk.Read(root / "none", content).ok());
  step("missing reads as " + Shown(content), true);
  step("read folder x", disk.Read(root / "x", content).ok());
  step("remove a missing file", disk.Remove(root / "none").ok());
  step("remove folder x", disk.Remove(root / "x").ok());
  step("x is a folder", disk.IsFolder(root / "x"));
  step("c is a folder", disk.IsFolder(root / "c"));
  step("find folder x", disk.FindFolder(root / "x").ok());
  const Status file = disk.FindFolder(root / "c");
  step("find folder c, message '" + file.message() + "'", file.ok());
  const Status none = disk.FindFolder(root / "none");
  step("find folder none, message '" + none.message() + "'", none.ok());
  std::vector<std::string> names = disk.Names(root);
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) step("entry " + name, true);
  step("x holds y only", disk.Names(root / "x") == std::vector<std::string>{"y"});
  int error = 0;
  for (const char* name : {"new", "c", "x", "none/new", "c/new"}) {
    const bool made = disk.TryNewFile(root / name, error).ok();
    step(std::string("try a new file ") + name + ": " + std::strerror(error), made);
  }
  step("the new file is left", disk.Exists(root / "new"));
  step("remove c", disk.Remove(root / "c").ok());
  step("c exists", disk.Exists(root / "c"));
  return log;
}

TEST(MemoryFileSystemTest, AnswersEveryStepAsTheMachinesOwnDoes) {
  testing::TempFolder temp;
  LocalFileSystem machine;
  MemoryFileSystem memory;
  ASSERT_TRUE(memory.MakeFolders("/okul").ok());
  const std::vector<std::string> expected = Script(machine, temp.path());
  EXPECT_EQ(Script(memory, "/okul"), expected);
  // Nothing reached the disk.
  EXPECT_FALSE(fs::exists("/okul"));
  EXPECT_EQ(memory.Get("/okul/x/y"), std::nullopt);
}

TEST(MemoryFileSystemTest, PathsNameTheSameFileHoweverTheyAreWritten) {
  MemoryFileSystem memory;
  memory.Put("/okul/a", Bytes{1});
  EXPECT_TRUE(memory.Exists("/okul/./a"));
  EXPECT_TRUE(memory.Exists("/okul/x/../a"));
  EXPECT_TRUE(memory.Exists("/okul//a"));
  EXPECT_TRUE(memory.Exists("/okul/a/."));
  EXPECT_TRUE(memory.IsFolder("/okul/a/.."));
  EXPECT_TRUE(memory.IsFolder("/okul/"));
  EXPECT_TRUE(memory.IsFolder("/okul/.//"));
  EXPECT_EQ(memory.Names("/"), std::vector<std::string>{"okul"});
  memory.Clear();
  EXPECT_FALSE(memory.Exists("/okul"));
  EXPECT_TRUE(memory.IsFolder("/"));
}

TEST(MemoryFileSystemTest, LoadsReadAndCreateThroughTheGivenFileSystem) {
  MemoryFileSystem memory;
  auto school = testing::NewSchool("/okul");
  // Reading only: a missing folder is an error and nothing is made.
  const Status missing = LoadSchoolWithoutWriting(*school, memory);
  EXPECT_EQ(missing.message(), "/okul: No such file or directory");
  EXPECT_FALSE(memory.Exists("/okul"));
  // The start-up's load makes the folder and its missing files, in memory.
  ASSERT_TRUE(LoadSchool(*school, memory).ok());
  EXPECT_EQ(memory.Get("/okul/DUDIZIR1.LOF"), Bytes(250, 0));
  EXPECT_EQ(memory.Get("/okul/DERSLER.LOF"), Bytes{});
  EXPECT_EQ(memory.files().size(), kDataFileCount);
  EXPECT_FALSE(fs::exists("/okul"));
  // A file in other letters is the one read, and saved over in place.
  auto sample = testing::SampleSchool("/okul");
  memory.Remove("/okul/DERSLER.LOF");
  memory.Put("/okul/dersler.lof", DataFileImage(*sample, DataFile::kLessons));
  ASSERT_TRUE(LoadSchoolWithoutWriting(*school, memory).ok());
  EXPECT_EQ(school->Lessons.size(), sample->Lessons.size());
  ASSERT_TRUE(SaveFiles(*school, {DataFile::kLessons}, memory).ok());
  EXPECT_EQ(memory.Get("/okul/DERSLER.LOF"), std::nullopt);
  EXPECT_EQ(memory.Get("/okul/dersler.lof"), DataFileImage(*sample, DataFile::kLessons));
}

// Counts the folder listings asked for.
class ListingCounter : public MemoryFileSystem {
 public:
  std::vector<std::string> Names(const fs::path& folder) override {
    ++listings;
    return MemoryFileSystem::Names(folder);
  }
  int listings = 0;
};

// Files in other letters are found from one listing of the folder, however many there
// are and however many files are missing: a load and a save each list it once.
TEST(MemoryFileSystemTest, ALoadListsTheFolderOnceForEveryFileInOtherLettersOrMissing) {
  ListingCounter memory;
  auto sample = testing::SampleSchool("/okul");
  const auto lower = [](DataFile file) {
    std::string name(InfoOf(file).name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "/okul/" + name;
  };
  memory.Put(lower(DataFile::kLessons), DataFileImage(*sample, DataFile::kLessons));
  memory.Put(lower(DataFile::kClasses), DataFileImage(*sample, DataFile::kClasses));
  auto school = testing::NewSchool("/okul");
  ASSERT_TRUE(LoadSchoolWithoutWriting(*school, memory).ok());
  EXPECT_EQ(school->Lessons.size(), sample->Lessons.size());
  EXPECT_EQ(school->Classes.size(), sample->Classes.size());
  EXPECT_EQ(memory.listings, 1);
  memory.listings = 0;
  ASSERT_TRUE(SaveFiles(*school, {DataFile::kLessons, DataFile::kClasses}, memory).ok());
  EXPECT_EQ(memory.listings, 1);
  EXPECT_EQ(memory.Get(lower(DataFile::kClasses)), DataFileImage(*sample, DataFile::kClasses));
  EXPECT_EQ(memory.files().size(), 2u);
}

}  // namespace
}  // namespace kalvodrin
