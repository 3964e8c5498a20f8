#include "shell/named_files.h"

namespace kalvodrin {

Status WriteTogether(const std::filesystem::path& folder, const NamedFiles& files) {
  for (const NamedFile& f : files)
    if (Status s = WriteFileAtomically(ResolveInFolder(folder, f.name), f.bytes); !s)
      return s;
  return Status::Ok();
}

}  // namespace kalvodrin
