#pragma once
// Files to be written into one folder together.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/status.h"

namespace kalvodrin {

struct NamedFile {
  std::string name;
  Bytes bytes;
};
using NamedFiles = std::vector<NamedFile>;

// Writes every file into the folder, or none of them (see core/file_set_save.h).
Status WriteTogether(const std::filesystem::path& folder, const NamedFiles& files);

}  // namespace kalvodrin
