// A whole working folder of any bytes, held in memory, including the files a save
// leaves while it is half done. Each part of the input is one file: its first byte
// picks the name (a data file, its new or set-aside copy, or the save's list), the rest
// is the content. Reading the folder without writing must give the school that the
// start-up's load (which finishes or undoes the half-done save) then gives.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/data_files.h"
#include "core/file_set_save.h"
#include "core/storage.h"
#include "fuzz_support.h"
#include "memory_file_system.h"

using namespace kalvodrin;

namespace {

std::string NameOf(uint8_t pick) {
  const std::size_t n = pick % (3 * kDataFileCount + 1);
  if (n == 3 * kDataFileCount) return std::string(kSaveListName);
  std::string name(kDataFiles[n % kDataFileCount].name);
  if (n >= 2 * kDataFileCount) return name + std::string(kAsideSuffix);
  if (n >= kDataFileCount) return name + std::string(kNewSuffix);
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // A disk of this input's own: one kept between inputs would hold more allocations
  // after an input than before it, and libFuzzer runs such an input again to look
  // for a leak.
  testing::MemoryFileSystem disk;
  static_cast<void>(disk.MakeFolders(fuzz::kWorkFolder));
  for (const Bytes& part : fuzz::SplitParts(data, size)) {
    if (part.empty()) continue;
    disk.Put(fuzz::kWorkFolder / NameOf(part[0]), Bytes(part.begin() + 1, part.end()));
  }
  TailBytes readTails{};
  auto read = fuzz::LoadFolder(disk, fuzz::kWorkFolder, &readTails);
  auto loaded = std::make_unique<School>();
  loaded->WorkFolder = fuzz::kWorkFolder;
  TailBytes tails{};
  const Status status = LoadSchool(*loaded, disk, &tails);
  if (read != nullptr && status.ok() && fuzz::SchoolImage(*read) != fuzz::SchoolImage(*loaded))
    fuzz::Fail("load", "reading without writing differs from the start-up's load");
  // The JSON text costs more than all the rest: one input in 32 writes it.
  if (!status.ok()) return 0;
  const uint32_t hash = fuzz::InputHash(data, size);
  if (hash % fuzz::kExerciseEvery == 0)
    fuzz::ExerciseLoadedSchool(*loaded, tails, hash % (8 * fuzz::kExerciseEvery) == 0, 0);
  else
    fuzz::CheckLoadedSchool(*loaded, tails);
  return 0;
}
