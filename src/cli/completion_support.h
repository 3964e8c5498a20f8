#pragma once
// What `schedule --complete` and `complete` share: their options, the completion run on
// a loaded school, the report of what it did, and saving the result with its seed.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/school.h"

namespace kalvodrin::cli {

struct CompletionFlags {
  std::optional<uint64_t> seed;  // none: a fresh one, printed
  double timeLimitSeconds = 30.0;
};

// Adds --seed and --time-limit.
void AddCompletionOptions(CLI::App& command, CompletionFlags& flags);
// Adds --seed only, for a command whose --time-limit bounds more than the completion.
void AddSeedOption(CLI::App& command, CompletionFlags& flags);

// The file beside the timetables that records the seed and the figures of the last
// completion, so that it can be repeated.
inline constexpr const char* kCompletionRecordFile = "TAMAMLAMA.TXT";

// Runs the completion on the school, saves the three timetable files and the record,
// and prints the report on stdout. Returns the exit code.
int CompleteAndSave(School& school, const std::filesystem::path& folder,
                    const CompletionFlags& flags, FileSystem& disk);

}  // namespace kalvodrin::cli
