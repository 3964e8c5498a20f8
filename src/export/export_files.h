#pragma once
// The exports are built in memory as whole files, then written one by one, each
// atomically: no file of an export is ever left torn.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

struct ExportFile {
  std::string name;     // relative to the output folder
  std::string content;  // bytes as written
};

// Creates the folder when missing and writes every file atomically; stops at the
// first failure with its message. Each file is then the old one or the new one whole;
// the export is a set of pages for a website, not data the program reads back, so
// the files are not kept together.
Status WriteExport(const std::filesystem::path& folder, const std::vector<ExportFile>& files);
Status WriteExport(const std::filesystem::path& folder, const std::vector<ExportFile>& files,
                   FileSystem& disk);

// File names of one entity's page or calendar: "ogretmen-007", "sinif-012",
// "derslik-003" (ASCII, so every web server and phone keeps them).
std::string TeacherFileStem(int teacher);
std::string ClassFileStem(int classNo);
std::string RoomFileStem(int room);

}  // namespace kalvodrin
