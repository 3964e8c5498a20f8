// One data file of any bytes in an otherwise whole working folder (the first classes
// of the bundled sample school), held in memory: the first byte picks the file, the
// rest is its content. The folder is loaded as the programs load it and goes through
// the damage and consistency checks; one input in four also through every other
// read-only use but the JSON text (the whole-folder target takes that) and a short run.

#include <cstddef>
#include <cstdint>

#include "core/data_files.h"
#include "core/storage.h"
#include "fuzz_support.h"
#include "memory_file_system.h"

using namespace kalvodrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::vector<Bytes> sample = fuzz::SchoolImage(*fuzz::SmallSchools()[0]);
  static testing::MemoryFileSystem disk = [] {
    testing::MemoryFileSystem made;
    for (std::size_t i = 0; i < kDataFileCount; ++i)
      made.Put(fuzz::kWorkFolder / std::string(kDataFiles[i].name), sample[i]);
    return made;
  }();
  // Only the file the input gives and the one the input before gave (back to the
  // sample's bytes) change.
  static std::size_t lastPicked = 0;
  const auto fileOf = [](std::size_t i) {
    return fuzz::kWorkFolder / std::string(kDataFiles[i].name);
  };
  const std::size_t picked = data[0] % kDataFileCount;
  if (picked != lastPicked) disk.Put(fileOf(lastPicked), sample[lastPicked]);
  disk.Put(fileOf(picked), Bytes(data + 1, data + size));
  lastPicked = picked;
  TailBytes tails{};
  auto school = fuzz::LoadFolder(disk, fuzz::kWorkFolder, &tails);
  if (school == nullptr) fuzz::Fail("load", "a folder of whole files did not load");
  if (fuzz::InputHash(data, size) % fuzz::kExerciseEvery == 0)
    fuzz::ExerciseLoadedSchool(*school, tails, false, 300);
  else
    fuzz::CheckLoadedSchool(*school, tails);
  return 0;
}
