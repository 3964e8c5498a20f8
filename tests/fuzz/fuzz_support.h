#pragma once
// What the fuzz targets share: a scratch folder that lives as long as the process,
// inputs cut into parts, a reader that turns the fuzzer's bytes into choices, and the
// work every loaded school goes through (checks, JSON, list rows, a short run).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/file_system.h"
#include "core/school.h"
#include "core/storage.h"

namespace kalvodrin::fuzz {

// Parts of one input are separated by this line; a seed joins its files with it.
inline constexpr std::string_view kPartSeparator = "\n#KALVODRIN-PART#\n";

std::vector<Bytes> SplitParts(const uint8_t* data, std::size_t size);
Bytes JoinParts(const std::vector<Bytes>& parts);

Bytes ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const Bytes& bytes);

// The working folder the targets give the programs, in a MemoryFileSystem.
inline const std::filesystem::path kWorkFolder = "/okul";

// The working folders the seeds and the operation sequences start from: the bundled
// sample school and the real schools of the benchmarks.
std::vector<std::filesystem::path> SeedSchools();

// Loads the folder read-only (from the machine's disk when none is given); null when
// it cannot be loaded.
std::unique_ptr<School> LoadFolder(FileSystem& disk, const std::filesystem::path& folder,
                                   TailBytes* tails = nullptr);
std::unique_ptr<School> LoadFolder(const std::filesystem::path& folder, TailBytes* tails = nullptr);

// The first `classes` classes of the school with what they take, and those lessons'
// teachers: a small school that the fuzzer mutates many times faster than a whole one.
std::unique_ptr<School> FirstClasses(const School& whole, std::size_t classes = 2);

// The first classes of each seed school, loaded once: what the targets start from.
const std::vector<std::unique_ptr<School>>& SmallSchools();

// Every data file's bytes as SaveFile would write them.
std::vector<Bytes> SchoolImage(const School& school);

// Turns the fuzzer's bytes into choices; past the end every choice is 0.
class Choices {
 public:
  Choices(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // 0..n-1 (0 when n is 0).
  int Below(int n) { return n <= 0 ? 0 : Byte() % n; }
  std::string Text(std::size_t maxLength);

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// What the programs do with a school they loaded, whatever its bytes: the damage and
// consistency checks, the JSON text (when `json`; it costs more than all the rest),
// the rows of the list windows, the timetable cells and a whole-school run cut short
// after `runSteps` search steps. Crashes and sanitizer reports are the findings.
void ExerciseLoadedSchool(School& school, const TailBytes& tails, bool json, long runSteps);

// Only the damage and consistency checks of the above. The other uses cost several
// times what loading does, and libFuzzer pays again for every branch an input reaches;
// the targets for reading files give them one input in kExerciseEvery, told by its
// InputHash, and the checks alone to the rest.
void CheckLoadedSchool(const School& school, const TailBytes& tails);
inline constexpr uint32_t kExerciseEvery = 4;

// A hash of all the input's bytes, for the targets to choose the inputs that take a
// costlier path (`InputHash(data, size) % 4 == 0`): a mutation draws again. Told by
// the size, the corpus filled with inputs of the chosen sizes, whose mutations mostly
// keep it, and half the inputs took the path meant for one in four or one in 32.
uint32_t InputHash(const uint8_t* data, std::size_t size);

// Stops the run (as the stop key would) after so many search steps in all.
long RunWithStepBudget(School& school, long steps, int teacher = 0, int classNo = 0, int lesson = 0,
                       int cell = 0);

// The command line libFuzzer reads, for a target whose inputs each reach thousands of
// features (the operations): `argv` with the entropic schedule told to weigh inputs by
// the 100 rarest features alone, not by every feature seen fewer than 255 times, put
// after the program's name, so that an option given on the command line, which comes
// later and so counts, still wins. libFuzzer looked for each feature of every input in
// that list, thousands long once a corpus was read: a quarter of the operations
// target's time. (The file targets reached fewer features in as many runs with it.)
// The pointers stay valid as long as the process (null-terminated, as `argv` is).
std::vector<char*> WithRarestFeaturesOnly(int argc, char** argv);

// Reports a broken invariant the way the fuzzer counts a crash.
[[noreturn]] void Fail(std::string_view what, std::string_view detail);

}  // namespace kalvodrin::fuzz
