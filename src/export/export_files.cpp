#include "export/export_files.h"

#include "core/field_text.h"
#include "core/file_io.h"

namespace kalvodrin {

Status WriteExport(const std::filesystem::path& folder, const std::vector<ExportFile>& files) {
  LocalFileSystem disk;
  return WriteExport(folder, files, disk);
}

Status WriteExport(const std::filesystem::path& folder, const std::vector<ExportFile>& files,
                   FileSystem& disk) {
  if (Status s = EnsureFolder(folder); !s) return s;
  for (const ExportFile& f : files) {
    const Bytes bytes(f.content.begin(), f.content.end());
    if (Status s = WriteFileAtomically(folder / f.name, bytes, disk); !s) return s;
  }
  return Status::Ok();
}

std::string TeacherFileStem(int teacher) { return "ogretmen-" + NumberText3(teacher); }
std::string ClassFileStem(int classNo) { return "sinif-" + NumberText3(classNo); }
std::string RoomFileStem(int room) { return "derslik-" + NumberText3(room); }

}  // namespace kalvodrin
