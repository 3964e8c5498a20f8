#include "sample_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "core/cells.h"
#include "core/data_files.h"
#include "core/field_text.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "memory_file_system.h"

namespace kalvodrin::testing {
namespace {

int HoursOf(const School& s, int lesson) {
  const TLessonRec* l = s.LessonByNo(lesson);
  return l == nullptr ? 0 : l->weeklyHours;
}

std::string LessonName(const School& s, int lesson) {
  const TLessonRec* l = s.LessonByNo(lesson);
  return l == nullptr ? std::string() : l->name.str();
}

// Cells a class may hold lessons in, as the class lessons window counts its capacity.
Plane WindowCells(const TClassGridRec& g) {
  Plane cells{};
  for (int day = 1; day <= kDays; ++day) {
    const int first = g.firstHour[static_cast<std::size_t>(day - 1)];
    const int last = g.lastHour[static_cast<std::size_t>(day - 1)];
    if (first == 0 || last == 0 || last < first) continue;
    for (int h = first; h <= last; ++h) {
      const auto k = static_cast<std::size_t>(CellIndex(day, h) - 1);
      if (g.open[k] != 0 || g.occupant[k] != 0) cells[k] = 1;
    }
  }
  return cells;
}

int Count(const Plane& p) {
  return static_cast<int>(std::count_if(p.begin(), p.end(), [](uint8_t b) { return b != 0; }));
}

void Unite(Plane& into, const Plane& other) {
  for (std::size_t k = 0; k < into.size(); ++k) into[k] = into[k] | other[k];
}

template <typename List>
void ExpectOrders(const List& list, const char* what) {
  for (std::size_t i = 0; i < list.size(); ++i)
    EXPECT_EQ(list[i].order, i + 1) << what << " " << int{list[i].number} << " out of order";
}

void ExpectMasterData(const School& s) {
  ExpectOrders(s.Classes, "class");
  ExpectOrders(s.Rooms, "room");
  ExpectOrders(s.Teachers, "teacher");
  ExpectOrders(s.DutyPlaces, "duty place");
  for (std::size_t i = 1; i < s.Lessons.size(); ++i)
    EXPECT_LE(TurkSortKey(s.Lessons[i - 1].name.view()), TurkSortKey(s.Lessons[i].name.view()))
        << "lesson pool out of order at " << i;
  for (const TLessonRec& l : s.Lessons) {
    EXPECT_EQ(s.LessonByNo(l.number), &l);
    int sum = 0;
    for (std::size_t k = 0; k < l.pattern.size(); ++k) {
      sum += l.pattern[k];
      if (k > 0) {
        EXPECT_LE(l.pattern[k], l.pattern[k - 1]) << l.name.str();
      }
    }
    EXPECT_EQ(sum, l.weeklyHours) << l.name.str();
    EXPECT_EQ(TurkUpCaseText(l.name.view()), l.name.view());
    EXPECT_TRUE(l.group == 0 || s.LessonGroupByNo(l.group) != nullptr) << l.name.str();
  }
  ASSERT_EQ(s.ClassGrids.size(), s.Classes.size());
  ASSERT_EQ(s.TeacherGrids.size(), s.Teachers.size());
  ASSERT_EQ(s.RoomGrids.size(), s.Rooms.size());
  for (const TClassRec& c : s.Classes) EXPECT_NE(s.ClassGridByNo(c.number), nullptr);
  for (const TTeacherRec& t : s.Teachers) {
    EXPECT_NE(s.TeacherGridByNo(t.number), nullptr);
    EXPECT_FALSE(t.name.empty());
    EXPECT_EQ(TurkUpCaseText(t.name.view()), t.name.view());
    EXPECT_EQ(t.name.view().find('?'), std::string_view::npos) << "a letter cp1254 lacks";
  }
  for (const TRoomRec& r : s.Rooms) EXPECT_NE(s.RoomGridByNo(r.number), nullptr);
}

void ExpectClassGridWindows(const School& s) {
  for (const TClassGridRec& g : s.ClassGrids)
    for (std::size_t d = 0; d < 5; ++d) {
      EXPECT_GE(g.firstHour[d], 1);
      EXPECT_LE(g.firstHour[d], g.lastHour[d]);
      EXPECT_LE(g.lastHour[d], kHoursPerDay);
      EXPECT_EQ(g.freeHours[d], g.lastHour[d] - g.firstHour[d] + 1) << "class " << int{g.classNo};
    }
}

void ExpectClassLessons(const School& s) {
  std::set<std::pair<int, int>> seen;
  std::map<int, std::string> lastKey;
  for (const TClassLessonRec& cl : s.ClassLessons) {
    const TLessonRec* l = s.LessonByNo(cl.lesson);
    ASSERT_NE(l, nullptr) << "class lesson of unknown lesson " << int{cl.lesson};
    ASSERT_NE(s.ClassByNo(cl.classNo), nullptr);
    EXPECT_TRUE(seen.insert({cl.classNo, cl.lesson}).second) << "duplicate class lesson";
    EXPECT_EQ(s.ClassLessonAt(cl.classNo, cl.lesson), &cl);
    EXPECT_EQ(cl.pattern, l->pattern);
    EXPECT_EQ(cl.blockCount, l->blockCount);
    EXPECT_EQ(cl.divisible, l->divisible);
    const std::string key = TurkSortKey(l->name.view());
    EXPECT_LE(lastKey[cl.classNo], key) << "class " << int{cl.classNo} << " lessons unsorted";
    lastKey[cl.classNo] = key;
    EXPECT_GE(cl.teacherCount, 1) << "class lesson without a teacher: " << l->name.str();
    std::set<int> teachers(cl.teachers.begin(), cl.teachers.begin() + cl.teacherCount);
    EXPECT_EQ(teachers.size(), cl.teacherCount) << "a teacher listed twice";
    for (int t : teachers) EXPECT_NE(s.TeacherByNo(t), nullptr);
    for (int k = 0; k < cl.roomCount; ++k) EXPECT_NE(s.RoomByNo(cl.rooms[static_cast<std::size_t>(k)]), nullptr);
    for (std::size_t k = cl.teacherCount; k < cl.teachers.size(); ++k) EXPECT_EQ(cl.teachers[k], 0);
    for (std::size_t k = cl.roomCount; k < cl.rooms.size(); ++k) EXPECT_EQ(cl.rooms[k], 0);
  }
}

std::string TeacherLessonKey(const School& s, const TTeacherLessonRec& r) {
  const TClassRec* c = s.ClassByNo(r.classNo);
  return NumberText3(255 - HoursOf(s, r.lesson)) + LessonName(s, r.lesson) +
         NumberText3(c == nullptr ? 0 : c->order);
}

void ExpectTeacherLessons(const School& s) {
  std::set<std::tuple<int, int, int>> seen;
  std::map<int, std::string> lastKey;
  for (const TTeacherLessonRec& r : s.TeacherLessons) {
    EXPECT_TRUE(seen.insert({r.teacher, r.classNo, r.lesson}).second) << "duplicate teacher lesson";
    const TClassLessonRec* cl = s.ClassLessonAt(r.classNo, r.lesson);
    ASSERT_NE(cl, nullptr) << "teacher lesson without class lesson";
    const auto end = cl->teachers.begin() + cl->teacherCount;
    EXPECT_NE(std::find(cl->teachers.begin(), end, r.teacher), end)
        << "teacher " << int{r.teacher} << " missing from the class lesson's teachers";
    const std::string key = TeacherLessonKey(s, r);
    EXPECT_LE(lastKey[r.teacher], key) << "teacher " << int{r.teacher} << " lessons unsorted";
    lastKey[r.teacher] = key;
  }
  for (const TClassLessonRec& cl : s.ClassLessons)
    for (int k = 0; k < cl.teacherCount; ++k)
      EXPECT_EQ(seen.count({cl.teachers[static_cast<std::size_t>(k)], cl.classNo, cl.lesson}), 1u)
          << "class lesson teacher without a teacher lesson";
}

void ExpectCommonGroups(const School& s) {
  for (const TCommonGroupRec& g : s.CommonGroups) {
    EXPECT_GE(g.count, 2) << "group " << int{g.number};
    ASSERT_LE(g.count, kMaxListed);
    std::set<int> classes;
    const TClassLessonRec* first = s.ClassLessonAt(g.classes[0], g.lessons[0]);
    ASSERT_NE(first, nullptr);
    for (int k = 0; k < g.count; ++k) {
      const auto i = static_cast<std::size_t>(k);
      const TClassLessonRec* cl = s.ClassLessonAt(g.classes[i], g.lessons[i]);
      ASSERT_NE(cl, nullptr) << "group member without class lesson";
      EXPECT_EQ(cl->commonGroup, g.number) << "member does not point back";
      EXPECT_EQ(g.lessons[i], g.lessons[0]) << "members of different lessons";
      EXPECT_TRUE(classes.insert(g.classes[i]).second) << "two members of one class";
      EXPECT_EQ(cl->teachers, first->teachers) << "members taught by different teachers";
      EXPECT_EQ(cl->rooms, first->rooms) << "members in different rooms";
    }
  }
  for (const TClassLessonRec& cl : s.ClassLessons) {
    if (cl.commonGroup == 0) continue;
    const TCommonGroupRec* g = s.CommonGroupByNo(cl.commonGroup);
    ASSERT_NE(g, nullptr) << "class lesson in unknown group";
    bool member = false;
    for (int k = 0; k < g->count; ++k)
      member |= g->classes[static_cast<std::size_t>(k)] == cl.classNo &&
                g->lessons[static_cast<std::size_t>(k)] == cl.lesson;
    EXPECT_TRUE(member) << "class lesson names a group it is not in";
  }
}

// Every class takes the guidance lesson from a teacher of its own who is free at the
// fixed hour of the class's shift, and no teacher has two classes at that hour.
void ExpectGuidance(const School& s) {
  const TSettingsRec& st = s.Settings;
  ASSERT_NE(s.LessonByNo(st.guidanceLesson), nullptr);
  std::set<int> teachers;
  for (const TClassGridRec& g : s.ClassGrids) {
    const bool afternoon = IsAfternoonClass(g);
    const int day = afternoon ? st.guidanceDayAfternoon : st.guidanceDayMorning;
    const int hour = afternoon ? st.guidanceHourAfternoon : st.guidanceHourMorning;
    const int cell = CellIndex(day, hour);
    EXPECT_EQ(WindowCells(g)[static_cast<std::size_t>(cell - 1)], 1) << "slot outside window";
    const TClassLessonRec* cl = s.ClassLessonAt(g.classNo, st.guidanceLesson);
    ASSERT_NE(cl, nullptr) << "class " << int{g.classNo} << " has no guidance lesson";
    ASSERT_EQ(cl->teacherCount, 1);
    const int t = cl->teachers[0];
    EXPECT_TRUE(teachers.insert(t).second) << "teacher " << t << " guides two classes";
    EXPECT_EQ(s.TeacherGridByNo(t)->open[static_cast<std::size_t>(cell - 1)], 1);
    EXPECT_FALSE(s.TeacherByNo(t)->classTeacherOf.empty());
  }
}

// A teacher's lessons with a common group's hours counted once.
std::map<int, int> TeacherLoads(const School& s) {
  std::map<int, int> loads;
  std::set<std::pair<int, int>> groupsSeen;
  for (const TTeacherLessonRec& r : s.TeacherLessons) {
    const int group = s.ClassLessonAt(r.classNo, r.lesson)->commonGroup;
    if (group != 0 && !groupsSeen.insert({r.teacher, group}).second) continue;
    loads[r.teacher] += HoursOf(s, r.lesson);
  }
  return loads;
}

// Every duty names a place and a teacher who is at school that day, and each place's
// day counters equal its duties.
void ExpectDuties(const School& s) {
  std::map<std::pair<int, int>, int> perPlaceDay;
  for (const TDutyRec& d : s.Duties) {
    ASSERT_NE(s.DutyPlaceByNo(d.place), nullptr);
    ASSERT_NE(s.TeacherByNo(d.teacher), nullptr);
    ASSERT_GE(d.day, 1);
    ASSERT_LE(d.day, 5);
    const Plane& open = s.TeacherGridByNo(d.teacher)->open;
    const auto first = open.begin() + (d.day - 1) * kHoursPerDay;
    EXPECT_NE(std::count(first, first + kHoursPerDay, 1), 0) << "duty on a closed day";
    ++perPlaceDay[{d.place, d.day}];
  }
  for (const TDutyPlaceRec& p : s.DutyPlaces)
    for (int day = 1; day <= 7; ++day) {
      const int duties = perPlaceDay[{p.number, day}];
      EXPECT_EQ(p.perDay[static_cast<std::size_t>(day - 1)], duties) << p.name.str() << " day " << day;
    }
}

// The stored totals the windows show agree with the lessons given.
void ExpectCounts(const School& s) {
  for (const auto& [t, load] : TeacherLoads(s)) {
    const TTeacherGridRec* g = s.TeacherGridByNo(t);
    EXPECT_EQ(g->weeklyHours, load) << "teacher " << t;
    EXPECT_EQ(g->morningHours + g->afternoonHours, load) << "teacher " << t;
  }
  std::map<int, int> byTeacherLessons;
  for (const TTeacherLessonRec& r : s.TeacherLessons) byTeacherLessons[r.classNo] += HoursOf(s, r.lesson);
  for (const TClassGridRec& g : s.ClassGrids) EXPECT_EQ(g.weeklyHours, byTeacherLessons[g.classNo]);
}

}  // namespace

void ExpectConsistent(const School& s) {
  ExpectMasterData(s);
  ExpectClassGridWindows(s);
  ExpectClassLessons(s);
  ExpectTeacherLessons(s);
  ExpectCommonGroups(s);
  ExpectGuidance(s);
  ExpectCounts(s);
  ExpectDuties(s);
}

void ExpectFeasible(const School& s) {
  constexpr int kClassSpare = 5;
  std::map<int, Plane> classCells;
  for (const TClassGridRec& g : s.ClassGrids) classCells[g.classNo] = WindowCells(g);
  std::map<int, int> hours, byteOneHours;
  for (const TClassLessonRec& cl : s.ClassLessons) hours[cl.classNo] += HoursOf(s, cl.lesson);
  for (const TTeacherLessonRec& r : s.TeacherLessons) byteOneHours[r.classNo] += HoursOf(s, r.lesson);
  for (const auto& [c, cells] : classCells) {
    EXPECT_LE(hours[c] + kClassSpare, Count(cells)) << "class " << c << " has no room to spare";
    // Even counting a lesson once per teacher, as the class's stored total does.
    EXPECT_LE(byteOneHours[c], Count(cells)) << "class " << c;
  }
  std::map<int, Plane> teacherCells;
  for (const TTeacherLessonRec& r : s.TeacherLessons) Unite(teacherCells[r.teacher], classCells[r.classNo]);
  for (const auto& [t, load] : TeacherLoads(s)) {
    Plane usable = teacherCells[t];
    const TTeacherGridRec* g = s.TeacherGridByNo(t);
    for (std::size_t k = 0; k < usable.size(); ++k) usable[k] = usable[k] & g->open[k];
    EXPECT_LE(3 * load, 2 * Count(usable)) << "teacher " << t << ": " << load << " hours in "
                                           << Count(usable) << " cells";
  }
  std::map<int, Plane> roomCells;
  std::map<int, int> roomLoads;
  for (const TClassLessonRec& cl : s.ClassLessons)
    for (int k = 0; k < cl.roomCount; ++k) {
      const int room = cl.rooms[static_cast<std::size_t>(k)];
      Unite(roomCells[room], classCells[cl.classNo]);
      const TCommonGroupRec* g = s.CommonGroupByNo(cl.commonGroup);
      if (g == nullptr || g->classes[0] == cl.classNo) roomLoads[room] += HoursOf(s, cl.lesson);
    }
  for (const auto& [r, load] : roomLoads)
    EXPECT_LE(3 * load, 2 * Count(roomCells[r])) << "room " << r;
}

Figures FiguresOf(const School& s) {
  Figures f;
  f.classes = static_cast<int>(s.Classes.size());
  f.teachers = static_cast<int>(s.Teachers.size());
  f.lessons = static_cast<int>(s.Lessons.size());
  f.classLessons = static_cast<int>(s.ClassLessons.size());
  f.commonGroups = static_cast<int>(s.CommonGroups.size());
  for (const TClassGridRec& g : s.ClassGrids) f.afternoonClasses += IsAfternoonClass(g) ? 1 : 0;
  for (const TClassRec& c : s.Classes) {
    int h = 0;
    for (const TClassLessonRec& cl : s.ClassLessons)
      if (cl.classNo == c.number) h += HoursOf(s, cl.lesson);
    f.classHours.push_back(h);
    f.totalHours += h;
  }
  for (const TClassLessonRec& cl : s.ClassLessons) f.twoTeacherLessons += cl.teacherCount > 1 ? 1 : 0;
  for (const TTeacherGridRec& g : s.TeacherGrids)
    f.closedDayTeachers += std::count(g.open.begin(), g.open.end(), 0) > 0 ? 1 : 0;
  const std::map<int, int> loads = TeacherLoads(s);
  for (const TTeacherRec& t : s.Teachers) {
    const auto it = loads.find(t.number);
    f.teacherLoads.push_back(it == loads.end() ? 0 : it->second);
  }
  for (const TRoomRec& r : s.Rooms) {
    int load = 0;
    for (const TClassLessonRec& cl : s.ClassLessons)
      for (int k = 0; k < cl.roomCount; ++k)
        if (cl.rooms[static_cast<std::size_t>(k)] == r.number) load += HoursOf(s, cl.lesson);
    f.roomLoads.push_back(load);
  }
  return f;
}

std::vector<std::string> FileImages(const School& school) {
  MemoryFileSystem disk;
  auto copy = std::make_unique<School>(school);
  copy->WorkFolder = "/okul";
  static_cast<void>(disk.MakeFolders(copy->WorkFolder));
  const Status saved = SaveFiles(*copy, FileSet::All(), disk);
  EXPECT_TRUE(saved.ok()) << saved.message();
  std::vector<std::string> images;
  for (const DataFileInfo& info : kDataFiles) {
    const Bytes bytes = disk.Get(copy->WorkFolder / std::string(info.name)).value_or(Bytes{});
    images.emplace_back(bytes.begin(), bytes.end());
  }
  return images;
}

void ExpectSameImages(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  ASSERT_EQ(a.size(), kDataFiles.size());
  ASSERT_EQ(b.size(), kDataFiles.size());
  for (std::size_t i = 0; i < kDataFiles.size(); ++i)
    EXPECT_TRUE(a[i] == b[i]) << kDataFiles[i].name << " differs";
}

}  // namespace kalvodrin::testing
