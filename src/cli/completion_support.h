#pragma once
// What `schedule --complete` and `complete` share: their options, the completion run on
// a loaded school, the report of what it did, and saving the result with its seed.

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/school.h"
#include "scheduler/run_observer.h"

namespace kalvodrin::cli {

struct CompletionFlags {
  std::optional<uint64_t> seed;  // none: a fresh one, printed
  double timeLimitSeconds = 30.0;
};

// Adds --seed and --time-limit.
void AddCompletionOptions(CLI::App& command, CompletionFlags& flags);

// The file beside the timetables that records the seed and the figures of the last
// completion, so that it can be repeated.
inline constexpr const char* kCompletionRecordFile = "TAMAMLAMA.TXT";

// Runs the completion on the school, saves the three timetable files and the record,
// and prints the report on stdout. Returns the exit code.
int CompleteAndSave(School& school, const std::filesystem::path& folder,
                    const CompletionFlags& flags);

// Passes every step to `inner` and asks for a stop once the time is up, so that the
// classic run before a completion keeps to the time limit too.
class DeadlineObserver : public RunObserver {
 public:
  DeadlineObserver(RunObserver& inner, double seconds);
  int OnSearchStep(const RunProgress& progress) override;
  void OnProgress(const RunProgress& progress) override { inner_.OnProgress(progress); }

 private:
  RunObserver& inner_;
  std::chrono::steady_clock::time_point deadline_;
  unsigned steps_ = 0;
  bool over_ = false;
};

}  // namespace kalvodrin::cli
