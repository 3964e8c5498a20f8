#include "curriculum/curriculum_rows.h"

#include <algorithm>

#include "core/pick_rows.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

std::string Number(int n) { return std::to_string(n); }

std::string FirstRoomName(const School& school, const TClassLessonRec& cl) {
  const TRoomRec* r = cl.roomCount == 0 ? nullptr : school.RoomByNo(cl.rooms[0]);
  return r == nullptr ? std::string() : Cp1254ToUtf8(r->name.view());
}

}  // namespace

std::vector<ListColumn> PoolColumns() { return {{"NO", true}, {"DERSİN ADI"}, {"HDS"}}; }

std::vector<ListRow> PoolRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TLessonRec& l : school.Lessons)
    rows.push_back({l.number, {Number(l.number), Cp1254ToUtf8(l.name.view()),
                               Number(l.weeklyHours)}});
  return rows;
}

std::vector<ListColumn> ClassLessonColumns() {
  std::vector<ListColumn> columns = ClassLessonPickColumns();
  columns.push_back({"DERSLİK"});
  return columns;
}

std::vector<ListRow> ClassLessonRows(const School& school, int classNo) {
  std::vector<ListRow> rows = ClassLessonPickRows(school, classNo);
  for (ListRow& row : rows)
    if (const TClassLessonRec* cl = school.ClassLessonAt(classNo, row.number))
      row.cells.push_back(FirstRoomName(school, *cl));
  return rows;
}

std::string ClassLessonSummary(const School& school, int classNo) {
  int count = 0;
  int hours = 0;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.classNo == classNo) {
      ++count;
      hours += LessonWeeklyHours(school, cl.lesson);
    }
  if (hours == 0) count = 0;
  return "SEÇİLEN DERS=" + Number(count) + "  TOPLAM SAAT=" + Number(hours);
}

std::vector<ListColumn> CommonGroupColumns() { return {{"NO"}}; }

std::vector<ListRow> CommonGroupRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TCommonGroupRec& g : school.CommonGroups)
    rows.push_back({g.number, {Number(g.number)}});
  return rows;
}

std::vector<ListColumn> CommonMemberColumns() {
  return {{"NO", true}, {"SINIF NO", true}, {"DERS NO", true},
          {"SINIF"},    {"DERSİN ADI"},     {"HDS"}};
}

std::vector<ListRow> CommonMemberRows(const School& school, int group) {
  std::vector<ListRow> rows;
  const TCommonGroupRec* g = school.CommonGroupByNo(group);
  if (g == nullptr) return rows;
  for (int k = 0; k < std::min<int>(g->count, kMaxListed); ++k) {
    const int c = g->classes[static_cast<std::size_t>(k)];
    const int l = g->lessons[static_cast<std::size_t>(k)];
    rows.push_back({k + 1,
                    {Number(group), Number(c), Number(l), ClassTitle(school, c),
                     LessonTitle(school, l), Number(LessonWeeklyHours(school, l))}});
  }
  return rows;
}

}  // namespace kalvodrin
