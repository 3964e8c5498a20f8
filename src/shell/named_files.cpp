#include "shell/named_files.h"

#include "core/file_set_save.h"
#include "core/file_system.h"

namespace kalvodrin {

Status WriteTogether(const std::filesystem::path& folder, const NamedFiles& files) {
  std::vector<FileImage> images;
  images.reserve(files.size());
  for (const NamedFile& f : files) images.push_back({ResolveInFolder(folder, f.name), f.bytes});
  LocalFileSystem disk;
  return SaveAllOrNothing(images, disk);
}

}  // namespace kalvodrin
