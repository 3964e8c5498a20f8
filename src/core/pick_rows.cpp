#include "core/pick_rows.h"

#include "core/turkish_text.h"

namespace kalvodrin {

std::vector<ListColumn> ClassPickColumns() { return {{"NO", true}, {"SINIF"}, {"BÖLÜM"}}; }

std::vector<ListRow> ClassPickRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TClassRec& c : school.Classes)
    rows.push_back({c.number,
                    {std::to_string(c.number), Cp1254ToUtf8(c.name.view()),
                     Cp1254ToUtf8(c.section.view())}});
  return rows;
}

std::vector<ListColumn> ClassLessonPickColumns() {
  return {{"ClassNo", true}, {"LessonNo", true}, {"DERSİN ADI"}, {"HDS"}};
}

std::vector<ListRow> ClassLessonPickRows(const School& school, int classNo) {
  std::vector<ListRow> rows;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.classNo == classNo)
      rows.push_back({cl.lesson,
                      {std::to_string(cl.classNo), std::to_string(cl.lesson),
                       LessonTitle(school, cl.lesson),
                       std::to_string(LessonWeeklyHours(school, cl.lesson))}});
  return rows;
}

std::string ClassTitle(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  if (c == nullptr) return {};
  return Cp1254ToUtf8(c->name.view()) + " " + Cp1254ToUtf8(c->section.view());
}

std::string LessonTitle(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l == nullptr ? std::string() : Cp1254ToUtf8(l->name.view());
}

int LessonWeeklyHours(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l == nullptr ? 0 : l->weeklyHours;
}

}  // namespace kalvodrin
