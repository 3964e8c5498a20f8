#pragma once
// How the desktop's automatic run behaves where nobody presses its keys: whether a
// lesson attempt is skipped on its own after the learning allowance the command line
// uses, and whether a whole-school run that leaves hours goes on with the completion
// search. Kept in a small text file of our own in the working folder (see
// docs/run-preferences.md), so that the predecessor's settings record keeps its layout.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

struct RunPreferences {
  // A lesson attempt is skipped after this many seconds of processor time, halved for
  // a lesson skipped before in the run (as `schedule --skip-after`).
  bool skipOnItsOwn = true;
  // A whole-school run that leaves hours goes on with the completion search.
  bool completeAfterRun = true;

  bool operator==(const RunPreferences&) const = default;
};

// The allowance of a lesson's first attempt, the command line's default.
inline constexpr double kRunSkipSeconds = 5.0;

inline constexpr std::string_view kRunPreferencesFile = "DAGITIM.AYR";

std::string FormatRunPreferences(const RunPreferences& preferences);
// Lines it does not know, and values other than E or H, leave the default: a file
// written by a later version, or edited by hand, never stops a run.
RunPreferences ParseRunPreferences(std::string_view text);

// A missing file gives the defaults.
Status LoadRunPreferences(const std::filesystem::path& folder, FileSystem& disk,
                          RunPreferences& preferences);
// All or nothing: the old file stays whole when the save fails.
Status SaveRunPreferences(const std::filesystem::path& folder, FileSystem& disk,
                          const RunPreferences& preferences);
// The settings record and the run preferences both, or neither: one window stores them
// with one button, so a failed save must not leave half of what it showed.
Status SaveSettingsAndRunPreferences(const School& school, FileSystem& disk,
                                     const RunPreferences& preferences);

}  // namespace kalvodrin
