#pragma once
// What `kalvodrin-cli check` lists for a school: the damage in its data files, then
// where its timetables and assignments disagree. Tests that import or restore a school
// call ExpectCheckClean on what they made, damaged inputs included: whatever reaches a
// working folder must pass the check.

#include <filesystem>
#include <string>
#include <vector>

#include "core/school.h"
#include "core/storage.h"

namespace kalvodrin::testing {

// The check's lines for a school in memory (`tails`: the bytes past the last whole
// record of each file, as loading found them).
std::vector<std::string> CheckProblems(const School& school, const TailBytes& tails = {});
// The same for a working folder, read without writing anything; a folder that cannot be
// read gives that as its one line.
std::vector<std::string> CheckProblems(const std::filesystem::path& folder);

// Fails the test with every line the check lists.
void ExpectCheckClean(const School& school);
void ExpectCheckClean(const std::filesystem::path& folder);

}  // namespace kalvodrin::testing
