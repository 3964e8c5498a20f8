// The assignment lists the timetables rest on: every number they hold names a record.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/school.h"
#include "core/text_cat.h"
#include "engine/consistency_report.h"

namespace kalvodrin {
namespace {

bool Lists(const std::array<uint8_t, kMaxListed>& list, int count, int number) {
  const int n = std::clamp(count, 0, kMaxListed);
  return std::find(list.begin(), list.begin() + n, number) != list.begin() + n;
}

// The (teacher, class, lesson) triples of the teaching list, sorted: a class lesson's
// every teacher is looked up in it, and a scan of the list per look-up made the check
// grow with the square of the school.
class TeachingIndex {
 public:
  explicit TeachingIndex(const School& school) {
    keys_.reserve(school.TeacherLessons.size());
    for (const TTeacherLessonRec& tl : school.TeacherLessons)
      keys_.push_back(Key(tl.teacher, tl.classNo, tl.lesson));
    std::sort(keys_.begin(), keys_.end());
  }
  bool Has(int teacher, int classNo, int lesson) const {
    return std::binary_search(keys_.begin(), keys_.end(), Key(teacher, classNo, lesson));
  }

 private:
  static uint32_t Key(int teacher, int classNo, int lesson) {
    return static_cast<uint32_t>(teacher) << 16 | static_cast<uint32_t>(classNo) << 8 |
           static_cast<uint32_t>(lesson);
  }
  std::vector<uint32_t> keys_;
};

void CheckClassLesson(const School& school, const TeachingIndex& teaching,
                      const TClassLessonRec& cl, Report& report) {
  // Each record's name is made only for a line written, as in the grid checks, and
  // each line is joined once: a damaged file gives them by the thousand.
  const auto line = [&](std::initializer_list<std::string_view> what) {
    std::string text;
    text.reserve(96);  // the longest line
    text.append("sınıf ").append(Num(cl.classNo)).append(" ders ").append(Num(cl.lesson));
    text += ": ";
    for (std::string_view piece : what) text += piece;
    report.Add(std::move(text));
  };
  if (school.ClassByNo(cl.classNo) == nullptr) line({"sınıf yok"});
  if (school.LessonByNo(cl.lesson) == nullptr) line({"ders havuzda yok"});
  if (cl.teacherCount > kMaxListed) line({"öğretmen sayısı 15'ten büyük"});
  if (cl.roomCount > kMaxListed) line({"derslik sayısı 15'ten büyük"});
  for (int k = 0; k < std::min<int>(cl.teacherCount, kMaxListed); ++k) {
    const int t = cl.teachers[static_cast<std::size_t>(k)];
    if (school.TeacherByNo(t) == nullptr)
      line({"öğretmen ", Num(t), " yok"});
    else if (!teaching.Has(t, cl.classNo, cl.lesson))
      line({"öğretmen ", Num(t), " listede, ders dağıtımında yok"});
  }
  for (int k = 0; k < std::min<int>(cl.roomCount, kMaxListed); ++k) {
    const int r = cl.rooms[static_cast<std::size_t>(k)];
    if (school.RoomByNo(r) == nullptr) line({"derslik ", Num(r), " yok"});
  }
  if (cl.commonGroup == 0) return;
  const TCommonGroupRec* g = school.CommonGroupByNo(cl.commonGroup);
  if (g == nullptr) {
    line({"ortak ders grubu ", Num(cl.commonGroup), " yok"});
    return;
  }
  bool member = false;
  for (int k = 0; k < std::min<int>(g->count, kMaxListed); ++k)
    member = member || (g->classes[static_cast<std::size_t>(k)] == cl.classNo &&
                        g->lessons[static_cast<std::size_t>(k)] == cl.lesson);
  if (!member) line({"ortak ders grubu ", Num(g->number), " onu üye saymıyor"});
}

void CheckCommonGroup(const School& school, const TCommonGroupRec& g, Report& report) {
  const auto who = [&] { return "ortak ders grubu " + Num(g.number) + ": "; };
  if (g.count > kMaxListed) report.Add(who() + "üye sayısı 15'ten büyük");
  for (int k = 0; k < std::min<int>(g.count, kMaxListed); ++k) {
    const int c = g.classes[static_cast<std::size_t>(k)];
    const int l = g.lessons[static_cast<std::size_t>(k)];
    const TClassLessonRec* cl = school.ClassLessonAt(c, l);
    if (cl == nullptr)
      report.Add(who() + "üye sınıf " + Num(c) + " ders " + Num(l) + " sınıf dersi değil");
    else if (cl->commonGroup != g.number)
      report.Add(who() + "üye sınıf " + Num(c) + " ders " + Num(l) + " başka gruba bağlı");
  }
}

void CheckTeacherLesson(const School& school, const TTeacherLessonRec& tl,
                        Report& report) {
  const auto line = [&](std::string_view what) {
    report.Add(Cat({"ders dağıtımı (öğretmen ", Num(tl.teacher), ", sınıf ", Num(tl.classNo),
                    ", ders ", Num(tl.lesson), "): ", what}));
  };
  if (school.TeacherByNo(tl.teacher) == nullptr) line("öğretmen yok");
  const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
  if (cl == nullptr)
    line("sınıf dersi yok");
  else if (!Lists(cl->teachers, cl->teacherCount, tl.teacher))
    line("öğretmen sınıf dersinin listesinde yok");
}

void CheckDuties(const School& school, Report& report) {
  for (const TDutyRec& d : school.Duties) {
    const auto who = [&] {
      return "nöbet (yer " + Num(d.place) + ", gün " + Num(d.day) + ", öğretmen " + Num(d.teacher) +
             "): ";
    };
    if (school.DutyPlaceByNo(d.place) == nullptr) report.Add(who() + "nöbet yeri yok");
    if (school.TeacherByNo(d.teacher) == nullptr) report.Add(who() + "öğretmen yok");
    if (d.day < 1 || d.day > 7) report.Add(who() + "gün 1..7 dışında");
  }
}

}  // namespace

void CheckAssignments(const School& school, Report& report) {
  for (const TLessonRec& l : school.Lessons)
    if (l.group != 0 && school.LessonGroupByNo(l.group) == nullptr)
      report.Add("ders " + Num(l.number) + ": ders grubu " + Num(l.group) + " yok");
  const TeachingIndex teaching(school);
  for (const TClassLessonRec& cl : school.ClassLessons)
    CheckClassLesson(school, teaching, cl, report);
  for (const TCommonGroupRec& g : school.CommonGroups)
    CheckCommonGroup(school, g, report);
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    CheckTeacherLesson(school, tl, report);
  CheckDuties(school, report);
}

}  // namespace kalvodrin
