#pragma once
// The whole school in memory: every collection in its order, the indexes by number,
// the annex flags, the settings record and the working folder it was read from.
// Pointers returned by the lookups stay valid until the collection is changed.

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/assignment_records.h"
#include "core/grid_records.h"
#include "core/master_records.h"
#include "core/numbered_list.h"
#include "core/settings_record.h"

namespace kalvodrin {

// Class lessons in collection order, with an index by (class, lesson).
class ClassLessonList : public std::vector<TClassLessonRec> {
 public:
  TClassLessonRec* at(int classNo, int lesson);
  const TClassLessonRec* at(int classNo, int lesson) const;
  void reindex();

 private:
  // Position + 1 of each class lesson, 0 for none: one page of 256 lessons for each
  // class that has class lessons, found through pageOf_ (page + 1 by class number, 0
  // for none). A whole table of 256 x 256 slots was 256 KiB to clear or copy with
  // every School; the pages hold only the classes there are.
  std::array<uint8_t, 256> pageOf_{};
  std::vector<std::array<uint16_t, 256>> pages_;
};

struct School {
  NumberedList<TLessonGroupRec, &TLessonGroupRec::number> LessonGroups;
  NumberedList<TLessonRec, &TLessonRec::number> Lessons;
  NumberedList<TClassRec, &TClassRec::number> Classes;
  NumberedList<TRoomRec, &TRoomRec::number> Rooms;
  NumberedList<TTeacherRec, &TTeacherRec::number> Teachers;
  ClassLessonList ClassLessons;
  NumberedList<TCommonGroupRec, &TCommonGroupRec::number> CommonGroups;
  NumberedList<TDutyPlaceRec, &TDutyPlaceRec::number> DutyPlaces;
  std::vector<TDutyRec> Duties;
  std::vector<TTeacherLessonRec> TeacherLessons;
  NumberedList<TTeacherGridRec, &TTeacherGridRec::teacher> TeacherGrids;
  NumberedList<TClassGridRec, &TClassGridRec::classNo> ClassGrids;
  NumberedList<TRoomGridRec, &TRoomGridRec::room> RoomGrids;
  AnnexFlags Annex{};
  TSettingsRec Settings = DefaultSettings();
  std::filesystem::path WorkFolder;

  TLessonGroupRec* LessonGroupByNo(int n) { return LessonGroups.find(n); }
  TLessonRec* LessonByNo(int n) { return Lessons.find(n); }
  TClassRec* ClassByNo(int n) { return Classes.find(n); }
  TRoomRec* RoomByNo(int n) { return Rooms.find(n); }
  TTeacherRec* TeacherByNo(int n) { return Teachers.find(n); }
  TCommonGroupRec* CommonGroupByNo(int n) { return CommonGroups.find(n); }
  TDutyPlaceRec* DutyPlaceByNo(int n) { return DutyPlaces.find(n); }
  TTeacherGridRec* TeacherGridByNo(int n) { return TeacherGrids.find(n); }
  TClassGridRec* ClassGridByNo(int n) { return ClassGrids.find(n); }
  TRoomGridRec* RoomGridByNo(int n) { return RoomGrids.find(n); }
  TClassLessonRec* ClassLessonAt(int c, int l) { return ClassLessons.at(c, l); }

  const TLessonGroupRec* LessonGroupByNo(int n) const { return LessonGroups.find(n); }
  const TLessonRec* LessonByNo(int n) const { return Lessons.find(n); }
  const TClassRec* ClassByNo(int n) const { return Classes.find(n); }
  const TRoomRec* RoomByNo(int n) const { return Rooms.find(n); }
  const TTeacherRec* TeacherByNo(int n) const { return Teachers.find(n); }
  const TCommonGroupRec* CommonGroupByNo(int n) const { return CommonGroups.find(n); }
  const TDutyPlaceRec* DutyPlaceByNo(int n) const { return DutyPlaces.find(n); }
  const TTeacherGridRec* TeacherGridByNo(int n) const { return TeacherGrids.find(n); }
  const TClassGridRec* ClassGridByNo(int n) const { return ClassGrids.find(n); }
  const TRoomGridRec* RoomGridByNo(int n) const { return RoomGrids.find(n); }
  const TClassLessonRec* ClassLessonAt(int c, int l) const {
    return ClassLessons.at(c, l);
  }

  void ReindexLessonGroups() { LessonGroups.reindex(); }
  void ReindexLessons() { Lessons.reindex(); }
  void ReindexClasses() { Classes.reindex(); }
  void ReindexRooms() { Rooms.reindex(); }
  void ReindexTeachers() { Teachers.reindex(); }
  void ReindexDutyPlaces() { DutyPlaces.reindex(); }
  void ReindexClassLessons() { ClassLessons.reindex(); }
  void ReindexCommonGroups() { CommonGroups.reindex(); }
  void ReindexTeacherGrids() { TeacherGrids.reindex(); }
  void ReindexClassGrids() { ClassGrids.reindex(); }
  void ReindexRoomGrids() { RoomGrids.reindex(); }
  void ReindexAll();

  // Empties every collection; the settings and annex flags are left as they are.
  void Clear();
};

}  // namespace kalvodrin
