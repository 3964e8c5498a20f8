#include "core/data_files.h"

namespace kalvodrin {

const std::array<DataFileInfo, kDataFileCount> kDataFiles = {{
    {DataFile::kLessonGroups, "KUME.LOF", 22},
    {DataFile::kLessons, "DERSLER.LOF", 48},
    {DataFile::kClasses, "SINIFLAR.LOF", 16},
    {DataFile::kRooms, "DERSHANE.LOF", 15},
    {DataFile::kTeachers, "OGRETMEN.LOF", 68},
    {DataFile::kAnnexFlags, "DUDIZIR1.LOF", 250},
    {DataFile::kClassLessons, "DUDIZIR2.LOF", 42},
    {DataFile::kCommonGroups, "DUDIZIR3.LOF", 32},
    {DataFile::kDutyPlaces, "DUDIZIR4.LOF", 35},
    {DataFile::kDuties, "DUDIZIR5.LOF", 3},
    {DataFile::kTeacherLessons, "DUDIZIR6.LOF", 3},
    {DataFile::kTeacherGrids, "DUDIZIRZ.LOF", 464},
    {DataFile::kClassGrids, "DUDIZIRX.LOF", 344},
    {DataFile::kRoomGrids, "DUDIZIRY.LOF", 328},
    {DataFile::kSettings, "DUDIZIRQ.LOF", 568},
}};

const DataFileInfo& InfoOf(DataFile file) {
  return kDataFiles[static_cast<std::size_t>(file)];
}

FileSet FileSet::All() {
  FileSet s;
  for (const DataFileInfo& i : kDataFiles) s.add(i.file);
  return s;
}

}  // namespace kalvodrin
