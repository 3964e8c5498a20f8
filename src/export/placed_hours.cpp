#include "export/placed_hours.h"

#include "core/cells.h"
#include "core/turkish_text.h"

namespace kalvodrin {

std::string TeacherTitle(const School& school, int teacher) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  return t != nullptr ? Cp1254ToUtf8(t->name.view()) : std::string();
}

std::string RoomTitle(const School& school, int room) {
  const TRoomRec* r = school.RoomByNo(room);
  return r != nullptr ? Cp1254ToUtf8(r->name.view()) : std::string();
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& n : names) {
    if (!joined.empty()) joined += ", ";
    joined += n;
  }
  return joined;
}

namespace {

void AddTeachersAndRooms(const School& school, PlacedHour& row, int cell) {
  if (const TClassLessonRec* cl = school.ClassLessonAt(row.classNo, row.lesson)) {
    for (int k = 0; k < std::min<int>(cl->teacherCount, kMaxListed); ++k) {
      const int t = cl->teachers[static_cast<std::size_t>(k)];
      if (school.TeacherByNo(t) == nullptr) continue;
      row.teachers.push_back(t);
      row.teacherNames.push_back(TeacherTitle(school, t));
    }
  }
  // The rooms the timetables actually give the class at that hour.
  for (const TRoomGridRec& g : school.RoomGrids)
    if (g.occupant[static_cast<std::size_t>(cell - 1)] == row.classNo &&
        school.RoomByNo(g.room) != nullptr) {
      row.rooms.push_back(g.room);
      row.roomNames.push_back(RoomTitle(school, g.room));
    }
}

}  // namespace

std::vector<PlacedHour> PlacedHours(const School& school) {
  std::vector<PlacedHour> rows;
  for (const TClassRec& c : school.Classes) {
    const TClassGridRec* g = school.ClassGridByNo(c.number);
    if (g == nullptr) continue;
    for (int day = 1; day <= kDays; ++day)
      for (int hour = 1; hour <= kHoursPerDay; ++hour) {
        const int cell = CellIndex(day, hour);
        const int lesson = g->occupant[static_cast<std::size_t>(cell - 1)];
        const TLessonRec* l = school.LessonByNo(lesson);
        if (l == nullptr) continue;
        PlacedHour row;
        row.day = day;
        row.hour = hour;
        row.startTime =
            Cp1254ToUtf8(school.Settings.startTimes[static_cast<std::size_t>(hour - 1)].view());
        row.classNo = c.number;
        row.className = ClassTitle(school, c.number);
        row.lesson = lesson;
        row.lessonName = Cp1254ToUtf8(l->name.view());
        AddTeachersAndRooms(school, row, cell);
        rows.push_back(std::move(row));
      }
  }
  return rows;
}

}  // namespace kalvodrin
