// A backup folder held in memory, restored over a whole working folder (the first
// classes of the sample school). The folder starts as a whole backup of another school
// (the first classes of a real one), and each part of the input changes one file of
// it: its first byte picks the name (a backup file, its new or set-aside copy from a
// backup a crash stopped, or the save's list) and, with its top bit set, takes the
// file away; else the rest is the file's new content. An empty input restores the whole
// set. (A whole set of bytes was over 4 KiB, the longest input the long runs try: every
// input they made was cut short, and no restore got past its first check.)
// A restore that refuses leaves the working folder as it was; one that succeeds puts
// in every data file the backup set holds, byte for byte, and nothing else, and the
// folder then loads whole. The backup folder is never written.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "core/file_set_save.h"
#include "core/storage.h"
#include "fuzz_support.h"
#include "memory_file_system.h"
#include "shell/backup.h"

using namespace kalvodrin;

namespace {

const std::filesystem::path kBackupIn = "/yedek";

std::string NameOf(uint8_t pick) {
  const std::size_t n = pick % (3 * kBackupSet.size() + 1);
  if (n == 3 * kBackupSet.size()) return std::string(kSaveListName);
  std::string name(kBackupSet[n % kBackupSet.size()].name);
  if (n >= 2 * kBackupSet.size()) return name + std::string(kAsideSuffix);
  if (n >= kBackupSet.size()) return name + std::string(kNewSuffix);
  return name;
}

// The files under the folder, by path.
std::map<std::string, Bytes> FilesIn(const testing::MemoryFileSystem& disk,
                                     const std::filesystem::path& folder) {
  const std::string prefix = folder.string() + "/";
  std::map<std::string, Bytes> files;
  for (const auto& [path, content] : disk.files())
    if (path.compare(0, prefix.size(), prefix) == 0) files.emplace(path, content);
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::vector<Bytes> work = fuzz::SchoolImage(*fuzz::SmallSchools()[0]);
  static const NamedFiles backup = BackupImages(*fuzz::SmallSchools()[1]);
  testing::MemoryFileSystem disk;  // the input's own: see the whole-folder target
  for (std::size_t i = 0; i < kDataFileCount; ++i)
    disk.Put(fuzz::kWorkFolder / std::string(kDataFiles[i].name), work[i]);
  for (const NamedFile& f : backup) disk.Put(kBackupIn / f.name, f.bytes);
  static_cast<void>(disk.MakeFolders(kBackupIn));
  for (const Bytes& part : fuzz::SplitParts(data, size)) {
    if (part.empty()) continue;
    const std::filesystem::path file = kBackupIn / NameOf(part[0] & 0x7f);
    if ((part[0] & 0x80) != 0)
      static_cast<void>(disk.Remove(file));
    else
      disk.Put(file, Bytes(part.begin() + 1, part.end()));
  }
  const std::map<std::string, Bytes> backupBefore = FilesIn(disk, kBackupIn);
  const std::map<std::string, Bytes> workBefore = FilesIn(disk, fuzz::kWorkFolder);
  NamedFiles set;
  const RestoreResult read = ReadBackupSet(kBackupIn, set, disk);
  const RestoreResult restored = Restore(kBackupIn, fuzz::kWorkFolder, disk);
  // Reading checks each file alone; the restore also refuses a set whose records name
  // what the set does not hold.
  if (restored.problem != read.problem &&
      !(read.ok() && restored.problem == RestoreProblem::kSetDamaged))
    fuzz::Fail("restore", "the restore judged the set otherwise than reading it did");
  if (FilesIn(disk, kBackupIn) != backupBefore)
    fuzz::Fail("restore", "the backup folder was written");
  if (!restored.ok()) {
    if (FilesIn(disk, fuzz::kWorkFolder) != workBefore)
      fuzz::Fail("restore", "a refused restore changed the working folder");
    return 0;
  }
  std::map<std::string, Bytes> expected = workBefore;
  for (const NamedFile& f : set) expected[(fuzz::kWorkFolder / f.name).string()] = f.bytes;
  if (FilesIn(disk, fuzz::kWorkFolder) != expected)
    fuzz::Fail("restore", "the working folder is not the old one with the backup set put in");
  TailBytes tails{};
  auto school = fuzz::LoadFolder(disk, fuzz::kWorkFolder, &tails);
  if (school == nullptr) fuzz::Fail("restore", "the restored folder does not load");
  for (std::size_t tail : tails)
    if (tail != 0) fuzz::Fail("restore", "a restored file holds part of a record");
  if (fuzz::InputHash(data, size) % fuzz::kExerciseEvery == 0)
    fuzz::ExerciseLoadedSchool(*school, tails, false, 100);
  else
    fuzz::CheckLoadedSchool(*school, tails);
  return 0;
}
