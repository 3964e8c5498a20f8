#include "folder_check.h"

#include <gtest/gtest.h>

#include "core/damage_check.h"
#include "engine/consistency.h"
#include "school_files.h"

namespace kalvodrin::testing {

std::vector<std::string> CheckProblems(const School& school, const TailBytes& tails) {
  std::vector<std::string> lines;
  for (const Damage& d : FindDamage(school, tails)) lines.push_back(DamageLine(d));
  for (std::string& line : CheckConsistency(school)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> CheckProblems(const std::filesystem::path& folder) {
  auto school = NewSchool(folder);
  TailBytes tails{};
  if (Status s = LoadSchoolWithoutWriting(*school, &tails); !s) return {s.message()};
  return CheckProblems(*school, tails);
}

void ExpectCheckClean(const School& school) {
  for (const std::string& line : CheckProblems(school)) ADD_FAILURE() << line;
}

void ExpectCheckClean(const std::filesystem::path& folder) {
  for (const std::string& line : CheckProblems(folder))
    ADD_FAILURE() << folder.filename().string() << ": " << line;
}

}  // namespace kalvodrin::testing
