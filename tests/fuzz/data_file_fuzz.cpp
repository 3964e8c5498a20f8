// One data file of any bytes in an otherwise whole working folder (the bundled sample
// school): the first byte picks the file, the rest is its content. The folder is loaded
// as the programs load it and goes through every read-only use but the JSON text (the
// whole-folder target takes that) and a short run.

#include <cstddef>
#include <cstdint>

#include "core/data_files.h"
#include "core/storage.h"
#include "fuzz_support.h"

using namespace kalvodrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::vector<Bytes> sample = [] {
    std::vector<Bytes> files;
    for (const DataFileInfo& info : kDataFiles)
      files.push_back(fuzz::ReadFileBytes(fuzz::SeedSchools()[0] / std::string(info.name)));
    return files;
  }();
  // The folder is written whole once; after that only the file the input gives and
  // the one the input before gave (back to the sample's bytes) change.
  static const std::filesystem::path& folder = []() -> const std::filesystem::path& {
    const std::filesystem::path& made = fuzz::ScratchFolder("data-file");
    for (std::size_t i = 0; i < kDataFileCount; ++i)
      fuzz::WriteFileBytes(made / std::string(kDataFiles[i].name), sample[i]);
    return made;
  }();
  static std::size_t lastPicked = 0;
  const auto fileOf = [&](std::size_t i) { return folder / std::string(kDataFiles[i].name); };
  const std::size_t picked = data[0] % kDataFileCount;
  if (picked != lastPicked) fuzz::WriteFileBytes(fileOf(lastPicked), sample[lastPicked]);
  fuzz::WriteFileBytes(fileOf(picked), Bytes(data + 1, data + size));
  lastPicked = picked;
  TailBytes tails{};
  auto school = fuzz::LoadFolder(folder, &tails);
  if (school == nullptr) fuzz::Fail("load", "a folder of whole files did not load");
  fuzz::ExerciseLoadedSchool(*school, tails, false, 300);
  return 0;
}
