#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/damage_check.h"
#include "core/record_creation.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

std::vector<std::string> Lines(const School& s, const TailBytes& tails = {}) {
  std::vector<std::string> lines;
  for (const Damage& d : FindDamage(s, tails)) lines.push_back(DamageLine(d));
  return lines;
}

// True when exactly one line starts with `prefix` and contains `part`.
bool Reported(const std::vector<std::string>& lines, const std::string& prefix,
              const std::string& part) {
  int n = 0;
  for (const std::string& l : lines)
    if (l.rfind(prefix, 0) == 0 && l.find(part) != std::string::npos) ++n;
  return n == 1;
}

std::string All(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  return all;
}

TEST(DamageCheck, ASoundSchoolHasNone) {
  auto school = testing::SampleSchool();
  EXPECT_EQ(All(Lines(*school)), "");
}

TEST(DamageCheck, NamesEachFaultWithItsRecord) {
  auto school = testing::SampleSchool();
  School& s = *school;
  s.Lessons[1].name.length = 31;                    // DERSLER.LOF, record 2
  s.Lessons[2].pattern = {1, 2, 0, 0, 0};            // increasing
  s.Lessons[3].weeklyHours = 9;                      // pattern no longer adds up
  s.Lessons[0].group = 77;
  s.Teachers[1].number = 1;                          // number used twice
  s.ClassLessons[0].teacherCount = 16;
  s.ClassLessons[1].rooms[0] = 42;
  s.ClassLessons[1].roomCount = 1;
  s.CommonGroups[0].count = 20;
  s.Duties[0].day = 9;
  s.TeacherLessons[2].lesson = 99;
  s.TeacherLessons.push_back(s.TeacherLessons[0]);
  s.TeacherGrids[1].teacher = 66;                    // a grid of nobody
  s.ClassGrids[0].occupant[5] = 200;
  s.Settings.deputyName.length = 255;
  s.ReindexAll();
  TailBytes tails{};
  tails[static_cast<std::size_t>(DataFile::kDuties)] = 2;
  const auto lines = Lines(s, tails);
  const std::string all = All(lines);
  EXPECT_TRUE(Reported(lines, "DERSLER.LOF, kayıt 2", "name uzunluk baytı 31, alan en çok 30")) << all;
  EXPECT_TRUE(Reported(lines, "DERSLER.LOF, kayıt 3", "artıyor")) << all;
  EXPECT_TRUE(Reported(lines, "DERSLER.LOF, kayıt 4", "haftalık ders saati 9")) << all;
  EXPECT_TRUE(Reported(lines, "DERSLER.LOF, kayıt 1", "group: 77 numaralı ders grubu yok")) << all;
  EXPECT_TRUE(Reported(lines, "OGRETMEN.LOF, kayıt 2", "number 1 kayıt 1 ile aynı")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF, kayıt 1", "teacherCount = 16, en çok 15")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF, kayıt 2", "rooms[0]: 42 numaralı derslik yok")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR3.LOF, kayıt 1", "count = 20")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR5.LOF, kayıt 1", "day 9")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR5.LOF: ", "yarım kayıt: 2 bayt")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR6.LOF, kayıt 3", "bu dersi almıyor")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIRZ.LOF, kayıt 2", "öğretmen 66: çizelgenin sahibi")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIRX.LOF, kayıt 1", "1 hücrede olmayan ders (ilk: hücre 6, 200)")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIRQ.LOF, kayıt 1", "deputyName uzunluk baytı 255")) << all;
  // Teacher 2 is gone from the index, so its class lesson now names nobody.
  EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF", "teachers[0]: 2 numaralı öğretmen yok")) << all;
    // Both class lessons of the lesson whose hours changed no longer add up either.
  EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF, kayıt 8", "haftalık ders saati 9")) << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR6.LOF, kayıt 4", "aynı kayıt 1'de de var")) << all;
  EXPECT_EQ(lines.size(), 20u) << all;
}

TEST(DamageCheck, EveryRepeatOfARecordNamesTheFirst) {
  auto school = testing::SampleSchool();
  School& s = *school;
  // The first class lesson three times (the copies last, the first copy's record kept
  // apart by one of another key), and a lesson's number taken by the two after it.
  const TClassLessonRec first = s.ClassLessons[0];
  s.ClassLessons.push_back(first);
  s.ClassLessons.push_back(s.ClassLessons[1]);
  s.ClassLessons.push_back(first);
  s.Lessons[2].number = s.Lessons[1].number;
  s.Lessons[3].number = s.Lessons[1].number;
  s.ReindexAll();
  const std::size_t n = s.ClassLessons.size();
  const auto lines = Lines(s);
  const std::string all = All(lines);
  for (std::size_t copy : {n - 2, n})
    EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF, kayıt " + std::to_string(copy) + ":",
                         "aynı sınıf ve ders kayıt 1'de de var"))
        << all;
  EXPECT_TRUE(Reported(lines, "DUDIZIR2.LOF, kayıt " + std::to_string(n - 1) + ":",
                       "aynı sınıf ve ders kayıt 2'de de var"))
      << all;
  const std::string taken = std::to_string(s.Lessons[1].number);
  for (const char* later : {"kayıt 3:", "kayıt 4:"})
    EXPECT_TRUE(Reported(lines, std::string("DERSLER.LOF, ") + later,
                         "number " + taken + " kayıt 2 ile aynı"))
        << all;
}

}  // namespace
}  // namespace kalvodrin
