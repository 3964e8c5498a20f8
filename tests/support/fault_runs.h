#pragma once
// Runs a save once for every step it takes, with that step failing (a write in each of
// its three ways), and checks what the user is left with: the error reaches the caller
// and the files are as they were, byte for byte.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace kalvodrin::testing {

using FolderImage = std::map<std::string, Bytes>;  // by path below the folder

// Whether the message carries the text of one of FaultyFileSystem's failures.
bool CarriesInjectedError(const std::string& message);

// Every file below the folder.
FolderImage ImageOf(const std::filesystem::path& folder);

// Makes the folder hold exactly the image's files.
void PutBack(const std::filesystem::path& folder, const FolderImage& image);

// The names of the files that differ between the two images; empty when none does.
std::string Differences(const FolderImage& actual, const FolderImage& expected);

struct FaultRuns {
  int steps = 0;   // of the undisturbed save
  int runs = 0;    // with a step failing
  int failed = 0;  // of those, the ones the caller was told failed
};

// How the files of the watched folders are kept together by the save under test.
enum class Keeping {
  kTogether,  // all old or all new (the all-or-nothing save)
  kEachFile,  // each file old or new (files written one by one, each atomically)
};

// `reset` puts the old files (and whatever the save starts from) back before each run;
// `save` does the save through the given file system and returns the error message
// the caller was given, empty when it was told all went well. A save reported as done
// must be complete once the next start has ended what was half done.
FaultRuns FailEveryStep(const std::vector<std::filesystem::path>& watched, Keeping keeping,
                        const std::function<void()>& reset,
                        const std::function<std::string(FileSystem&)>& save);

}  // namespace kalvodrin::testing
