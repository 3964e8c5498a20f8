#include "staffing/staffing_texts.h"

#include <algorithm>

#include "core/field_text.h"
#include "core/pick_rows.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

std::string Utf8Field(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }

std::string ClassName(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c == nullptr ? std::string() : Utf8Field(c->name.view());
}

std::string Section(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c == nullptr ? std::string() : Utf8Field(c->section.view());
}

std::string TeacherName(const School& school, int teacher) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  return t == nullptr ? std::string() : Utf8Field(t->name.view());
}

}  // namespace

std::string TeacherLessonNotice(const Change& change) {
  switch (change.outcome) {
    case Outcome::kPlaced:
      return "Bu ders, haftalık ders programında yerleştirilmiş.  Bu dersi birden fazla "
             "öğretmene vermek için önce programdan bu dersi silin.";
    case Outcome::kAlreadyGiven: return "Bu ders, bu öğretmene verilmiş.";
    case Outcome::kListFull:
      return "Bir ders en çok 15 öğretmene verilebilir. Bu ders verilmedi.";
    case Outcome::kNotFound: return "Seçili ders ya da öğretmen bulunamadı.";
    default: return "";
  }
}

std::string ClassroomNotice(const Change& change) {
  switch (change.outcome) {
    case Outcome::kPlaced:
      return "Bu ders, haftalık ders programında dağıtılmış. Bu derse, Derslik atamak için "
             "dersi haftalık ders programından silin";
    case Outcome::kListFull:
      return "Bir derse en çok 15 derslik atanabilir. Bu derslik atanmadı.";
    case Outcome::kNotFound: return "Seçili ders ya da derslik bulunamadı.";
    default: return "";
  }
}

std::string CurrentTeachersText(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  std::string text;
  if (cl == nullptr) return text;
  for (int k = 0; k < std::min<int>(cl->teacherCount, kMaxListed); ++k)
    text += " " + TeacherName(school, cl->teachers[static_cast<std::size_t>(k)]) + ",";
  return text;
}

std::string TakeAwayConfirm(const School& school, int teacher, int classNo, int lesson) {
  const std::string name = TeacherName(school, teacher);
  const std::string className = ClassName(school, classNo);
  const std::string section = Section(school, classNo);
  const std::string lessonName = LessonTitle(school, lesson);
  return BoundedText({{name, 255},
                      {" adındaki öğretmenden, ", 53},
                      {className, 59},
                      {" ", 60},
                      {section, 66},
                      {" sınıfının ", 77},
                      {lessonName, 107},
                      {" Dersi silinecek !", 125}});
}

std::string LessonRoomsTitle(const School& school, int classNo, int lesson) {
  const std::string className = ClassName(school, classNo);
  const std::string section = Section(school, classNo);
  const std::string lessonName = LessonTitle(school, lesson);
  return BoundedText({{className, 255},
                      {" ", 7},
                      {section, 13},
                      {" sınıfı ", 21},
                      {lessonName, 51},
                      {" dersinin okutulduğu derslikler", 82}});
}

}  // namespace kalvodrin
