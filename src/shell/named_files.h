#pragma once
// Files to be written into one folder together, by name.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

struct NamedFile {
  std::string name;
  Bytes bytes;
};
using NamedFiles = std::vector<NamedFile>;

// Puts every file into the folder or none (core/file_set_save.h). A file already there
// under the name in other letter case is the one replaced.
Status WriteTogether(const std::filesystem::path& folder, const NamedFiles& files,
                     FileSystem& disk);

}  // namespace kalvodrin
