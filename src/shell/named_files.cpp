#include "shell/named_files.h"

#include "core/file_set_save.h"

namespace kalvodrin {

Status WriteTogether(const std::filesystem::path& folder, const NamedFiles& files,
                     FileSystem& disk) {
  std::vector<FileImage> images;
  images.reserve(files.size());
  for (const NamedFile& f : files)
    images.push_back({ResolveInFolder(folder, f.name, disk), f.bytes});
  return SaveAllOrNothing(images, disk);
}

}  // namespace kalvodrin
