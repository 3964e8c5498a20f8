#include "fault_runs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/file_set_save.h"
#include "faulty_file_system.h"

namespace kalvodrin::testing {
namespace fs = std::filesystem;
namespace {

// Not the helpers of school_files.h: window tests link this without them.
Bytes ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<FolderImage> ImagesOf(const std::vector<fs::path>& folders) {
  std::vector<FolderImage> images;
  for (const fs::path& folder : folders) images.push_back(ImageOf(folder));
  return images;
}

// Every file is the old one or the new one, whole; files that were not there before
// may be missing.
std::string TornFiles(const FolderImage& actual, const FolderImage& before,
                      const FolderImage& after) {
  std::string names;
  for (const auto& [name, bytes] : actual) {
    const bool old = before.contains(name) && before.at(name) == bytes;
    const bool fresh = after.contains(name) && after.at(name) == bytes;
    if (!old && !fresh) names += name + " ";
  }
  for (const auto& [name, bytes] : before)
    if (!actual.contains(name)) names += "(missing) " + name + " ";
  return names;
}

void ExpectKept(const std::vector<fs::path>& watched, Keeping keeping,
                const std::vector<FolderImage>& before, const std::vector<FolderImage>& after) {
  for (std::size_t i = 0; i < watched.size(); ++i) {
    SCOPED_TRACE(watched[i].string());
    const FolderImage now = ImageOf(watched[i]);
    if (keeping == Keeping::kTogether)
      EXPECT_EQ(Differences(now, before[i]), "");
    else
      EXPECT_EQ(TornFiles(now, before[i], after[i]), "");
  }
}

}  // namespace

bool CarriesInjectedError(const std::string& message) {
  for (const char* text : {kOpenError, kWriteError, kFlushError, kRenameError, kRemoveError})
    if (message.find(text) != std::string::npos) return true;
  return false;
}

FolderImage ImageOf(const fs::path& folder) {
  FolderImage image;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file())
      image[fs::relative(it->path(), folder).string()] = ReadAll(it->path());
  return image;
}

void PutBack(const fs::path& folder, const FolderImage& image) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const auto& [name, bytes] : image) {
    fs::create_directories((folder / name).parent_path());
    WriteAll(folder / name, bytes);
  }
}

std::string Differences(const FolderImage& actual, const FolderImage& expected) {
  std::string names;
  for (const auto& [name, bytes] : actual)
    if (!expected.contains(name) || expected.at(name) != bytes) names += name + " ";
  for (const auto& [name, bytes] : expected)
    if (!actual.contains(name)) names += "(missing) " + name + " ";
  return names;
}

FaultRuns FailEveryStep(const std::vector<fs::path>& watched, Keeping keeping,
                        const std::function<void()>& reset,
                        const std::function<std::string(FileSystem&)>& save) {
  FaultRuns runs;
  reset();
  const std::vector<FolderImage> before = ImagesOf(watched);
  FaultyFileSystem counting;
  EXPECT_EQ(save(counting), "");
  runs.steps = counting.steps();
  const std::vector<FolderImage> after = ImagesOf(watched);
  EXPECT_GT(counting.writes(), 0) << "the save wrote nothing";
  for (int step = 0; step < runs.steps; ++step) {
    for (WriteFault how : kWriteFaults) {
      SCOPED_TRACE("step " + std::to_string(step) + " way " +
                   std::to_string(static_cast<int>(how)));
      reset();
      FaultyFileSystem disk(step, how);
      const std::string message = save(disk);
      ++runs.runs;
      if (!message.empty()) {
        ++runs.failed;
        EXPECT_TRUE(CarriesInjectedError(message)) << message;
        ExpectKept(watched, keeping, before, after);
      } else {
        // Only tidying up after the files were in place failed.
        LocalFileSystem local;
        for (const fs::path& folder : watched) EXPECT_TRUE(FinishHalfDoneSave(folder, local));
        for (std::size_t i = 0; i < watched.size(); ++i)
          EXPECT_EQ(Differences(ImageOf(watched[i]), after[i]), "") << watched[i];
      }
      if (!disk.failedWrite()) break;  // a rename or removal fails one way only
    }
  }
  return runs;
}

}  // namespace kalvodrin::testing
