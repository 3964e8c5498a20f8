#pragma once
// Helpers shared by the tests of every area: a scratch folder, file bytes,
// UTF-8 names turned into the cp1254 the records hold, and a small school with every
// kind of record.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/school.h"

namespace kalvodrin::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The cp1254 form of a UTF-8 literal; fails the test when it has none.
std::string Cp(std::string_view utf8);

Bytes ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const Bytes& bytes);

// An empty school on the heap, working in `folder`.
std::unique_ptr<School> NewSchool(const std::filesystem::path& folder = {});

// Two lesson groups, four lessons, two classes, a classroom, two teachers, their class
// and teacher lessons, a common lesson, a duty place with a duty, one grid per
// teacher, class and classroom with a lesson placed, and non-default settings.
std::unique_ptr<School> SampleSchool(const std::filesystem::path& folder = {});

}  // namespace kalvodrin::testing
