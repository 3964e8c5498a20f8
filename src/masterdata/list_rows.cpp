#include "masterdata/list_rows.h"

#include "core/pattern.h"
#include "core/pick_rows.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

std::string Utf8(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }
std::string Number(int n) { return std::to_string(n); }

std::string GroupName(const School& school, int group) {
  const TLessonGroupRec* g = group == 0 ? nullptr : school.LessonGroupByNo(group);
  return g == nullptr ? std::string() : Utf8(g->name.view());
}

}  // namespace

std::vector<ListColumn> LessonGroupColumns() { return {{"NO", true}, {"DERS GRUBU"}}; }

std::vector<ListRow> LessonGroupRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TLessonGroupRec& g : school.LessonGroups)
    rows.push_back({g.number, {Number(g.number), Utf8(g.name.view())}});
  return rows;
}

std::vector<ListColumn> LessonColumns() {
  return {{"NO", true}, {"DERS ADI"}, {"K.ADI"}, {"HDS"}, {"  Y.B."}, {"GRUBU"}};
}

std::vector<ListRow> LessonRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TLessonRec& l : school.Lessons)
    rows.push_back({l.number,
                    {Number(l.number), Utf8(l.name.view()), Utf8(l.shortName.view()),
                     Number(l.weeklyHours), PatternText(l.pattern),
                     GroupName(school, l.group)}});
  return rows;
}

std::vector<ListColumn> ClassColumns() {
  return {{"NO", true}, {"RECNO", true}, {"SINIF"}, {"BÖLÜMÜ"}, {"BİNA"}};
}

std::vector<ListRow> ClassRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TClassRec& c : school.Classes)
    rows.push_back({c.number,
                    {Number(c.number), Number(c.order), Utf8(c.name.view()),
                     Utf8(c.section.view()), school.Annex.inAnnex(c.number) ? "EKBİNA" : ""}});
  return rows;
}

std::vector<ListColumn> RoomColumns() {
  return {{"NO", true}, {"NO", true}, {"DERSLİK ADI"}};
}

std::vector<ListRow> RoomRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TRoomRec& r : school.Rooms)
    rows.push_back({r.number, {Number(r.number), Number(r.order), Utf8(r.name.view())}});
  return rows;
}

std::vector<ListColumn> TeacherColumns() {
  return {{"NO", true},   {"NO"},         {"ADI SOYADI"},
          {"BRANŞI"},     {"SINIF ÖĞR."}, {"EĞİTSEL KULÜP"}};
}

std::vector<ListRow> TeacherRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TTeacherRec& t : school.Teachers)
    rows.push_back({t.number,
                    {Number(t.number), Number(t.order), Utf8(t.name.view()),
                     Utf8(t.branch.view()), Utf8(t.classTeacherOf.view()),
                     Utf8(t.club.view())}});
  return rows;
}

std::vector<ListColumn> ClassHoursColumns() { return ClassPickColumns(); }

std::vector<ListRow> ClassHoursRows(const School& school) { return ClassPickRows(school); }

}  // namespace kalvodrin
