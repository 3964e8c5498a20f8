#pragma once
// The exports are built in memory as whole files, then written one by one, each
// atomically: no file of an export is ever left torn.

#include <filesystem>
#include <string>
#include <vector>

#include "core/status.h"

namespace kalvodrin {

struct ExportFile {
  std::string name;     // relative to the output folder
  std::string content;  // bytes as written
};

// Creates the folder when missing and writes every file atomically; stops at the
// first failure with its message.
Status WriteExport(const std::filesystem::path& folder, const std::vector<ExportFile>& files);

// File names of one entity's page or calendar: "ogretmen-007", "sinif-012",
// "derslik-003" (ASCII, so every web server and phone keeps them).
std::string TeacherFileStem(int teacher);
std::string ClassFileStem(int classNo);
std::string RoomFileStem(int room);

}  // namespace kalvodrin
