#include "bench_school.h"

#include <string>
#include <vector>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/rule_tests.h"
#include "engine/slot_tests.h"
#include "engine/teacher_preparation.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

struct Subject {
  const char* name;
  int hours;
  const char* pattern;
  const char* group;
  int teachers;
};

constexpr Subject kSubjects[] = {
    {"MATEMATİK", 6, "2+2+2", "", 9},
    {"TÜRK DİLİ", 5, "2+2+1", "", 8},
    {"FİZİK", 4, "2+2", "FEN", 6},
    {"KİMYA", 3, "2+1", "FEN", 5},
    {"BİYOLOJİ", 3, "2+1", "FEN", 5},
    {"TARİH", 3, "2+1", "SOSYAL", 5},
    {"COĞRAFYA", 2, "1+1", "SOSYAL", 3},
    {"İNGİLİZCE", 4, "2+2", "", 6},
    {"BEDEN EĞİTİMİ", 2, "2", "", 3},
    {"DİN KÜLTÜRÜ", 2, "1+1", "", 3},
    {"MÜZİK", 1, "1", "", 2},
    {"GÖRSEL SANATLAR", 1, "1", "", 2},
    {"FELSEFE", 2, "2", "", 3},
};

std::string ClassName(int i) { return std::to_string(9 + i / 8); }
std::string Section(int i) { return std::string(1, static_cast<char>('A' + i % 8)); }
std::string ClassKeyOf(int i) { return ClassName(i) + " " + Section(i); }

// Puts each block of each class lesson at the first cell where every test passes,
// until two thirds of the hours stand.
void PlaceSome(School& school) {
  PrepareAllTeachers(school);
  const RuleParams params;
  int placed = 0;
  for (const TClassLessonRec& cl : std::vector<TClassLessonRec>(school.ClassLessons)) {
    for (uint8_t part : cl.pattern) {
      if (part == 0 || placed >= 30 * 38 * 2 / 3) continue;
      auto block = MakeBlock(school, cl.classNo, cl.lesson, part);
      if (!block) continue;
      for (int cell = 1; cell <= kCells; ++cell) {
        SetBlockStart(*block, cell);
        if (WindowTest(school, *block) && AvailabilityTest(school, *block) &&
            FreedomTest(school, *block) && AllRulesPass(school, *block, params) &&
            PlaceBlock(school, *block, nullptr)) {
          placed += part;
          break;
        }
      }
    }
  }
}

}  // namespace

School BenchSchool() {
  SchoolBuilder b;
  b.Group("FEN").Group("SOSYAL").Room("SPOR SALONU");
  for (int lab = 1; lab <= 3; ++lab) b.Room("LAB " + std::to_string(lab));
  for (int i = 0; i < 30; ++i) b.Class(ClassName(i), Section(i)).Hours(1, 8);
  int teacher = 0;
  for (const Subject& s : kSubjects) {
    const int first = teacher + 1;
    for (int k = 0; k < s.teachers; ++k)
      b.Teacher("ÖĞRETMEN " + std::to_string(++teacher));
    for (int i = 0; i < 30; ++i)
      b.In(ClassKeyOf(i)).Lesson(s.name, s.hours, s.pattern, s.group);
    for (int i = 0; i < 30; ++i) {
      const std::string t = "ÖĞRETMEN " + std::to_string(first + i % s.teachers);
      if (std::string(s.name) == "BEDEN EĞİTİMİ") {
        if (i % 2 == 1) continue;  // pairs of classes take it together
        b.Common({ClassKeyOf(i), ClassKeyOf(i + 1)}, s.name).InRoom("SPOR SALONU");
        b.Teach(t, ClassKeyOf(i), s.name);
        continue;
      }
      b.Teach(t, ClassKeyOf(i), s.name);
      if (std::string(s.name) == "FİZİK") b.InRoom("LAB " + std::to_string(1 + i % 3));
    }
  }
  School school = b.Build();
  PlaceSome(school);
  PrepareAllTeachers(school);
  return school;
}

}  // namespace kalvodrin
