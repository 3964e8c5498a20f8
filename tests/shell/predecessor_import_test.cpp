#include "shell/predecessor_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/storage.h"
#include "faulty_file_system.h"
#include "folder_check.h"
#include "school_files.h"
#include "shell/predecessor_conversion.h"
#include "shell/startup.h"
#include "vel_files.h"

namespace kalvodrin {
namespace {

using testing::Cp;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A small school as the predecessor kept it: three lessons, two classes (numbered 7
// and 3, in that order), two teachers, what the classes take and who teaches it, the
// classes' day windows and one teacher's availability.
VelFiles CompleteSet() {
  VelFiles f;
  f.lessons.emplace();
  testing::VelLesson(*f.lessons, 1, Cp("MATEMATİK"), "MAT", 5, 1, 221);
  testing::VelLesson(*f.lessons, 2, Cp("TÜRKÇE"), Cp("TÜR"), 3, 0, 3);
  testing::VelLesson(*f.lessons, 3, "BEDEN", "BED", 2, 0, 2);
  f.classes.emplace();
  testing::VelClass(*f.classes, 7, "9", "A");
  testing::VelClass(*f.classes, 3, "10", "FEN");
  f.teachers.emplace();
  testing::VelTeacher(*f.teachers, 4, Cp("AYŞE YILMAZ"), Cp("MATEMATİK"), "9-A",
                      Cp("SATRANÇ"));
  testing::VelTeacher(*f.teachers, 9, Cp("ALİ VELİ"), Cp("TÜRKÇE"), "", "");
  f.classLessons.emplace();
  testing::VelClassLesson(*f.classLessons, 7, 1, 1, 221);
  testing::VelClassLesson(*f.classLessons, 7, 2, 0, 3);
  testing::VelClassLesson(*f.classLessons, 3, 1, 1, 221);
  testing::VelClassLesson(*f.classLessons, 3, 3, 0, 2);
  f.teacherLessons.emplace();
  testing::VelTeacherLesson(*f.teacherLessons, 4, 7, 1);
  testing::VelTeacherLesson(*f.teacherLessons, 4, 3, 1);
  testing::VelTeacherLesson(*f.teacherLessons, 9, 7, 2);
  f.classGrids.emplace();
  testing::VelClassGrid(*f.classGrids, 7, {2, 1, 1, 1, 1}, {7, 6, 6, 6, 5});
  testing::VelClassGrid(*f.classGrids, 3, {5, 5, 5, 5, 5}, {10, 10, 10, 10, 9});
  f.teacherGrids.emplace();
  // Unavailable in cells 1 and 2; cell 2 held a lesson, so it says nothing.
  testing::VelTeacherGrid(
      *f.teacherGrids, 4, [](int cell) -> uint8_t { return cell <= 2 ? 0 : 1; },
      [](int cell) -> uint8_t { return cell == 2 ? 7 : 0; });
  return f;
}

void WriteSet(const std::filesystem::path& folder, const VelFiles& f) {
  std::filesystem::create_directories(folder);
  const std::pair<const char*, const std::optional<Bytes>*> files[] = {
      {"LESSON.PRG", &f.lessons},   {"CLASS.PRG", &f.classes},
      {"TEACHER.PRG", &f.teachers}, {"CLLE.PRG", &f.classLessons},
      {"TELE.PRG", &f.teacherLessons}, {"CPS.PRG", &f.classGrids},
      {"TPS.PRG", &f.teacherGrids}};
  for (const auto& [name, bytes] : files)
    if (bytes->has_value()) WriteBytes(folder / name, **bytes);
}

std::map<std::string, Bytes> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, Bytes> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = ReadBytes(entry.path());
  return files;
}

TEST(PredecessorPatternTest, DigitsAreBlocksUpToFiveOfThem) {
  EXPECT_EQ(PatternFromInteger(221), (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(PatternFromInteger(3), (PatternBytes{3, 0, 0, 0, 0}));
  EXPECT_EQ(PatternFromInteger(0), PatternBytes{});
  EXPECT_EQ(PatternFromInteger(99999), (PatternBytes{9, 9, 9, 9, 9}));
  EXPECT_FALSE(PatternFromInteger(100000).has_value());
  // One block per digit: a 0 digit would be a block of no hours.
  EXPECT_FALSE(PatternFromInteger(201).has_value());
  EXPECT_FALSE(PatternFromInteger(10).has_value());
  EXPECT_EQ(PatternFromInteger(21), (PatternBytes{2, 1, 0, 0, 0}));
  EXPECT_FALSE(PatternFromInteger(-1).has_value());
}

// A day the predecessor marked as without lessons (a 0 at either end) has no free
// hour; a one-hour day has one. The timetables then agree with their counters.
TEST(PredecessorConversionTest, DayWithoutLessonsHasNoFreeHour) {
  VelFiles f = CompleteSet();
  f.classGrids.emplace();
  testing::VelClassGrid(*f.classGrids, 7, {0, 3, 0, 1, 2}, {0, 3, 5, 8, 1});
  // A first hour past a last hour of 0 is a day without lessons too, not a reversed
  // window to be reported and left out.
  testing::VelClassGrid(*f.classGrids, 3, {5, 5, 5, 5, 5}, {0, 10, 10, 10, 9});
  const VelConversion c = ConvertVel(f);
  const TClassGridRec* seven = c.school->ClassGridByNo(7);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->freeHours[0], 0);  // 0 to 0
  EXPECT_EQ(seven->freeHours[1], 1);  // 3 to 3
  EXPECT_EQ(seven->freeHours[2], 0);  // no first hour
  EXPECT_EQ(seven->freeHours[3], 8);  // 1 to 8
  const TClassGridRec* three = c.school->ClassGridByNo(3);
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(three->lastHour[0], 0);
  EXPECT_EQ(three->freeHours[0], 0);  // 5 to 0: no last hour
  EXPECT_EQ(three->freeHours[1], 6);  // 5 to 10
  const std::vector<std::string> onlyTheReversedDay = {
      "CPS.PRG, kayıt 1: sınıf 7, gün 5: ilk saat 2, son saat 1 olamaz (1..16), o günün ders "
      "saatleri alınmadı"};
  EXPECT_EQ(c.report, onlyTheReversedDay);
  testing::ExpectCheckClean(*c.school);
}

TEST(PredecessorConversionTest, RecordsComeOverFieldByField) {
  const VelConversion c = ConvertVel(CompleteSet());
  const School& s = *c.school;
  EXPECT_TRUE(c.report.empty());

  const TLessonRec* math = s.LessonByNo(1);
  ASSERT_NE(math, nullptr);
  EXPECT_EQ(math->name.str(), Cp("MATEMATİK"));
  EXPECT_EQ(math->shortName.str(), "MAT");
  EXPECT_EQ(math->weeklyHours, 5);
  EXPECT_EQ(math->divisible, 1);
  EXPECT_EQ(math->group, 0);
  EXPECT_EQ(math->notAtHour, 0);
  EXPECT_EQ(math->notAfterHour, 0);
  EXPECT_EQ(math->pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(math->blockCount, 3);
  EXPECT_EQ(s.LessonByNo(2)->pattern, (PatternBytes{3, 0, 0, 0, 0}));
  EXPECT_EQ(s.LessonByNo(2)->blockCount, 1);

  ASSERT_EQ(s.Classes.size(), 2u);
  EXPECT_EQ(s.Classes[0].order, 7);  // file order kept, order = number
  EXPECT_EQ(s.Classes[0].number, 7);
  EXPECT_EQ(s.Classes[1].section.str(), "FEN");

  const TTeacherRec* ayse = s.TeacherByNo(4);
  ASSERT_NE(ayse, nullptr);
  EXPECT_EQ(ayse->order, 4);
  EXPECT_EQ(ayse->name.str(), Cp("AYŞE YILMAZ"));
  EXPECT_EQ(ayse->branch.str(), Cp("MATEMATİK"));
  EXPECT_EQ(ayse->classTeacherOf.str(), "9-A");
  EXPECT_EQ(ayse->club.str(), Cp("SATRANÇ"));

  const TClassLessonRec* cl = s.ClassLessonAt(7, 1);
  ASSERT_NE(cl, nullptr);
  EXPECT_EQ(cl->divisible, 1);
  EXPECT_EQ(cl->pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(cl->blockCount, 3);
  EXPECT_EQ(cl->teacherCount, 1);  // attached from the teacher lessons
  EXPECT_EQ(cl->teachers[0], 4);
  EXPECT_EQ(s.TeacherLessons.size(), 3u);

  // Day windows: Monday 2..7 leaves 6 free hours.
  const TClassGridRec* seven = s.ClassGridByNo(7);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->firstHour[0], 2);
  EXPECT_EQ(seven->lastHour[0], 7);
  EXPECT_EQ(seven->freeHours[0], 6);
  EXPECT_EQ(seven->freeHours[4], 5);
  // Availability only where the predecessor had no lesson.
  const TTeacherGridRec* t4 = s.TeacherGridByNo(4);
  EXPECT_EQ(t4->open[0], 0);
  EXPECT_EQ(t4->open[1], 1);
  EXPECT_EQ(t4->open[2], 1);
  EXPECT_EQ(s.TeacherGridByNo(9)->open[0], 1);  // no TPS record: left open
  // Hours counted on the shift of each class: class 3 starts at hour 5.
  EXPECT_EQ(t4->morningHours, 5);
  EXPECT_EQ(t4->afternoonHours, 5);
  EXPECT_EQ(t4->weeklyHours, 10);

  // The converted copies: our layouts, class lessons before teachers were attached.
  EXPECT_EQ(c.copies[0].size(), 3 * 48u);
  EXPECT_EQ(c.copies[1].size(), 2 * 16u);
  EXPECT_EQ(c.copies[2].size(), 2 * 68u);
  ASSERT_EQ(c.copies[3].size(), 4 * 42u);
  EXPECT_EQ(c.copies[3][4], 0);  // teacherCount of the first class lesson
  EXPECT_EQ(c.copies[4], *CompleteSet().teacherLessons);
}

TEST(PredecessorConversionTest, WhatCannotBeTakenIsLeftOutAndReported) {
  VelFiles f = CompleteSet();
  testing::VelLesson(*f.lessons, 0, "SIFIR", "SF", 1, 0, 1);
  testing::VelLesson(*f.lessons, 2, "İKİNCİ", "IK", 1, 0, 1);          // number taken
  testing::VelLesson(*f.lessons, 5, "ALTI BLOK", "AB", 6, 0, 111111);  // six digits
  testing::VelLesson(*f.lessons, 6, "BEŞ BLOK", "BB", 5, 0, 11111);    // five fit
  f.lessons->push_back(6);  // a torn last record is not one
  testing::VelClassLesson(*f.classLessons, 99, 1, 0, 5);  // unknown class
  testing::VelClassLesson(*f.classLessons, 7, 88, 0, 5);  // unknown lesson
  testing::VelClassLesson(*f.classLessons, 7, 1, 0, 5);   // taken already
  testing::VelClassLesson(*f.classLessons, 7, 5, 0, 1234567);
  testing::VelTeacherLesson(*f.teacherLessons, 50, 7, 1);  // unknown teacher
  testing::VelTeacherLesson(*f.teacherLessons, 9, 3, 2);   // class 3 has no lesson 2
  testing::VelTeacherLesson(*f.teacherLessons, 4, 7, 1);   // twice
  testing::VelClassGrid(*f.classGrids, 42, {1, 1, 1, 1, 1}, {6, 6, 6, 6, 6});
  testing::VelTeacherGrid(*f.teacherGrids, 43, [](int) -> uint8_t { return 1; },
                          [](int) -> uint8_t { return 0; });

  const VelConversion c = ConvertVel(f);
  const School& s = *c.school;
  EXPECT_EQ(s.Lessons.size(), 5u);
  EXPECT_EQ(s.LessonByNo(2)->name.str(), Cp("TÜRKÇE"));
  EXPECT_EQ(s.LessonByNo(5)->pattern, (PatternBytes{2, 1, 1, 1, 1}));
  EXPECT_EQ(s.LessonByNo(5)->blockCount, 5);
  EXPECT_EQ(s.LessonByNo(5)->weeklyHours, 6);
  EXPECT_EQ(s.LessonByNo(6)->blockCount, 5);
  EXPECT_EQ(s.ClassLessons.size(), 5u);
  EXPECT_EQ(s.ClassLessonAt(7, 1)->pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(s.ClassLessonAt(7, 5)->blockCount, 5);
  EXPECT_EQ(s.TeacherLessons.size(), 3u);
  EXPECT_EQ(s.ClassLessonAt(7, 1)->teacherCount, 1);
  testing::ExpectCheckClean(s);

  const std::vector<std::string> expected = {
      "LESSON.PRG, kayıt 4: ders 0: numara 0 olamaz, aktarılmadı",
      "LESSON.PRG, kayıt 5: ders 2: bu numara daha önce kullanılmış, aktarılmadı",
      "LESSON.PRG, kayıt 6: ders 5 (ALTI BLOK): yerleştirme biçimi 111111 beş basamağa "
      "sığmıyor ya da 0 uzunlukta blok içeriyor; 2+1+1+1+1 olarak aktarıldı, gerekirse "
      "düzeltiniz",
      "CLLE.PRG, kayıt 5: sınıf 99, ders 1: sınıf yok, aktarılmadı",
      "CLLE.PRG, kayıt 6: sınıf 7, ders 88: ders yok, aktarılmadı",
      "CLLE.PRG, kayıt 7: sınıf 7, ders 1: sınıf bu dersi zaten alıyor, aktarılmadı",
      "CLLE.PRG, kayıt 8: sınıf 7, ders 5: yerleştirme biçimi 1234567 beş basamağa "
      "sığmıyor ya da 0 uzunlukta blok içeriyor; 2+1+1+1+1 olarak aktarıldı, gerekirse "
      "düzeltiniz",
      "TELE.PRG, kayıt 4: öğretmen 50, sınıf 7, ders 1: öğretmen yok, aktarılmadı",
      "TELE.PRG, kayıt 5: öğretmen 9, sınıf 3, ders 2: sınıf bu dersi almıyor, aktarılmadı",
      "TELE.PRG, kayıt 6: öğretmen 4, sınıf 7, ders 1: aynı kayıt daha önce var, "
      "aktarılmadı",
      "CPS.PRG, kayıt 3: sınıf 42 yok, ders saatleri alınmadı",
      "TPS.PRG, kayıt 2: öğretmen 43 yok, uygun saatleri alınmadı",
  };
  EXPECT_EQ(c.report, expected);
}

// Fields no predecessor window would have written: a name whose length byte passes its
// field into NUL filler, patterns with a 0 digit, with growing blocks or not adding up
// to the weekly hours, a reversed day window and a last hour of 200, availability bytes
// other than 0 and 1. Each is cut, mended or left out, and listed; the school passes
// both checks.
TEST(PredecessorConversionTest, DamagedFieldsAreBoundedListedAndTheSchoolPassesTheChecks) {
  VelFiles f = CompleteSet();
  Bytes lesson;
  testing::VelLesson(lesson, 4, "FIZIK", "FIZ", 3, 0, 201);
  lesson[1] = 40;
  for (std::size_t i = 1 + 1 + 5; i < 1 + 1 + 30; ++i) lesson[i] = 0;
  f.lessons->insert(f.lessons->end(), lesson.begin(), lesson.end());
  testing::VelLesson(*f.lessons, 5, "KIMYA", "KIM", 4, 0, 32);
  testing::VelLesson(*f.lessons, 6, "BIYOLOJI", "BIY", 3, 0, 12);  // right sum, growing blocks
  testing::VelClassLesson(*f.classLessons, 3, 4, 0, 102);
  f.classGrids.emplace();
  testing::VelClassGrid(*f.classGrids, 7, {5, 2, 16, 0, 1}, {3, 200, 16, 4, 1});
  testing::VelTeacherGrid(
      *f.teacherGrids, 9, [](int cell) -> uint8_t { return cell == 1 ? 7 : 0; },
      [](int) -> uint8_t { return 0; });

  const VelConversion c = ConvertVel(f);
  const School& s = *c.school;
  EXPECT_EQ(s.LessonByNo(4)->name.str(), "FIZIK");
  EXPECT_FALSE(s.LessonByNo(4)->name.damaged());
  EXPECT_EQ(s.LessonByNo(4)->pattern, (PatternBytes{1, 1, 1, 0, 0}));
  EXPECT_EQ(s.LessonByNo(4)->blockCount, 3);
  EXPECT_EQ(s.LessonByNo(5)->pattern, (PatternBytes{1, 1, 1, 1, 0}));
  EXPECT_EQ(s.LessonByNo(6)->pattern, (PatternBytes{1, 1, 1, 0, 0}));
  EXPECT_EQ(s.ClassLessonAt(3, 4)->pattern, (PatternBytes{1, 1, 1, 0, 0}));
  const TClassGridRec& seven = *s.ClassGridByNo(7);
  const TClassGridRec& fresh = *s.ClassGridByNo(3);
  EXPECT_EQ(seven.lastHour[0], fresh.lastHour[0]);  // reversed: left as a new class has it
  EXPECT_EQ(seven.freeHours[0], fresh.freeHours[0]);
  EXPECT_EQ(seven.lastHour[1], fresh.lastHour[1]);  // past the day: left
  EXPECT_EQ(seven.freeHours[2], 1);                 // the last hour of the day is one
  EXPECT_EQ(seven.freeHours[3], 0);                 // a last hour without a first: no lessons
  EXPECT_EQ(seven.freeHours[4], 1);
  EXPECT_EQ(s.TeacherGridByNo(9)->open[0], 1);

  const std::vector<std::string> expected = {
      "LESSON.PRG, kayıt 4: ders 4 (FIZIK): ad uzunluk baytı 40, alan en çok 30 karakter ya "
      "da denetim karakterli; \"FIZIK\" olarak aktarıldı",
      "LESSON.PRG, kayıt 4: ders 4 (FIZIK): yerleştirme biçimi 201 beş basamağa sığmıyor "
      "ya da 0 uzunlukta blok içeriyor; 1+1+1 olarak aktarıldı, gerekirse düzeltiniz",
      "LESSON.PRG, kayıt 5: ders 5 (KIMYA): yerleştirme biçimi 32 toplamı 5, haftalık ders "
      "saati 4; 1+1+1+1 olarak aktarıldı, gerekirse düzeltiniz",
      "LESSON.PRG, kayıt 6: ders 6 (BIYOLOJI): yerleştirme biçimi 12 bloklarının uzunluğu "
      "artıyor; 1+1+1 olarak aktarıldı, gerekirse düzeltiniz",
      "CLLE.PRG, kayıt 5: sınıf 3, ders 4: yerleştirme biçimi 102 beş basamağa sığmıyor ya "
      "da 0 uzunlukta blok içeriyor; 1+1+1 olarak aktarıldı, gerekirse düzeltiniz",
      "CPS.PRG, kayıt 1: sınıf 7, gün 1: ilk saat 5, son saat 3 olamaz (1..16), o günün ders "
      "saatleri alınmadı",
      "CPS.PRG, kayıt 1: sınıf 7, gün 2: ilk saat 2, son saat 200 olamaz (1..16), o günün "
      "ders saatleri alınmadı",
  };
  EXPECT_EQ(c.report, expected);
  testing::ExpectCheckClean(s);

  // Imported into a working folder, as a start does it, the files pass the check too.
  TempFolder root;
  WriteSet(root.path() / "VEL", f);
  auto school = testing::NewSchool(root.path() / "okul");
  std::filesystem::create_directories(school->WorkFolder);
  ASSERT_TRUE(VelImport(root.path() / "VEL").Convert(*school));
  testing::ExpectCheckClean(school->WorkFolder);
}

// A teacher's texts cut to their fields are listed with the record they came from.
TEST(PredecessorConversionTest, CutTeacherTextsNameTheirRecord) {
  VelFiles f = CompleteSet();
  Bytes teacher;
  testing::VelTeacher(teacher, 5, "CAN", "FIZIK", "", "");
  teacher[1] = 40;            // the name's length byte, past its 30
  teacher[1 + 31] = 25;       // the branch's, past its 12
  teacher[1 + 31 + 13] = 20;  // the class-teacher field's, past its 8
  teacher[1 + 31 + 13 + 9] = 26;  // the club's, past its 12
  f.teachers->insert(f.teachers->end(), teacher.begin(), teacher.end());
  const VelConversion c = ConvertVel(f);
  for (const char* field : {"ad uzunluk baytı 40", "branş uzunluk baytı 25",
                            "sınıf öğretmenliği uzunluk baytı 20", "kulüp uzunluk baytı 26"}) {
    const bool listed = std::any_of(c.report.begin(), c.report.end(), [&](const std::string& l) {
      return l.rfind("TEACHER.PRG, kayıt 3: öğretmen 5 ", 0) == 0 &&
             l.find(field) != std::string::npos;
    });
    EXPECT_TRUE(listed) << field << "\n" << ::testing::PrintToString(c.report);
  }
}

// A lesson's and a class's texts cut to their fields, and a class and a teacher number
// given twice, are listed with the record they came from.
TEST(PredecessorConversionTest, CutLessonAndClassTextsAndRepeatedNumbersNameTheirRecord) {
  VelFiles f = CompleteSet();
  const auto record = [](const Bytes& file, std::size_t size) {
    return std::to_string(file.size() / size + 1);
  };
  std::vector<std::pair<std::string, std::string>> expected = {
      {"LESSON.PRG, kayıt " + record(*f.lessons, 44) + ": ders 9 ", "kısa ad uzunluk baytı 9"},
      {"CLASS.PRG, kayıt " + record(*f.classes, 10) + ": sınıf 9", "ad uzunluk baytı 7"},
      {"CLASS.PRG, kayıt " + record(*f.classes, 10) + ": sınıf 9", "şube uzunluk baytı 6"},
      {"CLASS.PRG, kayıt " + std::to_string(f.classes->size() / 10 + 2) + ": sınıf " +
           std::to_string((*f.classes)[0]),
       ""},
      {"TEACHER.PRG, kayıt " + record(*f.teachers, 86) + ": öğretmen " +
           std::to_string((*f.teachers)[0]),
       ""}};
  Bytes lesson, classes, teacher;
  testing::VelLesson(lesson, 9, "KORO", "KOR", 2, 0, 2);
  lesson[1 + 31] = 9;  // the short name's length byte, past its 4
  testing::VelClass(classes, 9, "10", "B");
  classes[1] = 7;      // the name's, past its 4
  classes[1 + 5] = 6;  // the section's, past its 3
  testing::VelClass(classes, (*f.classes)[0], "11", "C");
  testing::VelTeacher(teacher, (*f.teachers)[0], "CAN", "FIZIK", "", "");
  f.lessons->insert(f.lessons->end(), lesson.begin(), lesson.end());
  f.classes->insert(f.classes->end(), classes.begin(), classes.end());
  f.teachers->insert(f.teachers->end(), teacher.begin(), teacher.end());
  const VelConversion c = ConvertVel(f);
  for (const auto& want : expected) {
    const bool listed = std::any_of(c.report.begin(), c.report.end(), [&](const std::string& l) {
      return l.rfind(want.first, 0) == 0 && l.find(want.second) != std::string::npos;
    });
    EXPECT_TRUE(listed) << want.first << want.second << "\n" << ::testing::PrintToString(c.report);
  }
}

// A predecessor file longer than its records can be (a file linked to a device, say) is
// read no further than that and refused; nothing is imported.
TEST(PredecessorImportFiles, FileLongerThanThePredecessorCouldWriteIsRefused) {
  TempFolder temp;
  WriteSet(temp.path(), CompleteSet());
  WriteBytes(temp.path() / "TPS.PRG", Bytes(255 * 524, 0));
  NamedFiles files;
  std::vector<std::string> report;
  ASSERT_TRUE(ImportFiles(temp.path(), files, report));
  WriteBytes(temp.path() / "TPS.PRG", Bytes(255 * 524 + 1, 0));
  const Status s = ImportFiles(temp.path(), files, report);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("TPS.PRG: 133620 bayttan uzun"), std::string::npos) << s.message();
}

class ImportAtStartupTest : public ::testing::Test {
 protected:
  StartupOptions Options() {
    StartupOptions o;
    o.dirs.currentDir = root.path();
    o.dirs.configHome = root.path() / "config";
    o.dirs.dataHome = root.path() / "data";
    o.folderOverride = work;
    return o;
  }
  StartupResult Start(School& school) {
    VelImport import(vel);
    return RunStartup(school, Options(), &import);
  }

  TempFolder root;
  std::filesystem::path vel = root.path() / "VEL";
  std::filesystem::path work = root.path() / "okul";
};

TEST_F(ImportAtStartupTest, CompleteSetIsImportedOnceAndPassesTheChecks) {
  WriteSet(vel, CompleteSet());
  auto school = testing::NewSchool();
  const StartupResult first = Start(*school);
  ASSERT_TRUE(first.status.ok()) << first.status.message();
  EXPECT_TRUE(first.imported);
  EXPECT_TRUE(first.importReport.empty());
  EXPECT_FALSE(first.teacherGridsCreated);  // the import brought them
  EXPECT_EQ(school->Lessons.size(), 3u);
  EXPECT_EQ(school->ClassLessonAt(3, 1)->teachers[0], 4);
  EXPECT_EQ(school->ClassGridByNo(7)->freeHours[0], 6);
  EXPECT_EQ(school->TeacherGridByNo(4)->open[0], 0);
  testing::ExpectCheckClean(*school);
  testing::ExpectCheckClean(work);
  for (const char* copy : {"LESSON.PRG", "CLASS.PRG", "TEACHER.PRG", "CLLE.PRG", "TELE.PRG"})
    EXPECT_TRUE(std::filesystem::exists(work / copy)) << copy;

  // The next start finds the copies and leaves everything as it is.
  const auto files = Snapshot(work);
  auto again = testing::NewSchool();
  const StartupResult second = Start(*again);
  ASSERT_TRUE(second.status.ok());
  EXPECT_FALSE(second.imported);
  EXPECT_EQ(Snapshot(work), files);
  EXPECT_EQ(again->Lessons.size(), 3u);
}

// The converted school and the copies that mark it imported are written together: a
// failure at any step leaves the working folder as it was, so the next start imports.
TEST_F(ImportAtStartupTest, FailureAtAnyStepOfTheImportLeavesTheFolderAsItWas) {
  WriteSet(vel, CompleteSet());
  std::filesystem::create_directories(work);
  testing::FaultyFileSystem counting;
  {
    TempFolder scratch;
    auto s = testing::NewSchool(scratch.path());
    ASSERT_TRUE(VelImport(vel, &counting).Convert(*s));
  }
  ASSERT_GT(counting.steps(), 2 * 12);
  for (int step = 0; step < counting.steps(); ++step) {
    const auto before = Snapshot(work);
    testing::FaultyFileSystem disk(step);
    auto school = testing::NewSchool(work);
    const bool converted = VelImport(vel, &disk).Convert(*school).ok();
    testing::ExpectCheckClean(work);
    if (!converted) {
      EXPECT_EQ(Snapshot(work), before) << "step " << step;
      EXPECT_EQ(CheckImport(vel, work).due, ImportDue::kDue);
      continue;
    }
    // Only tidying up failed: the import is in, and it is not done again.
    EXPECT_EQ(std::filesystem::file_size(work / "DERSLER.LOF"), 3 * 48u) << step;
    EXPECT_EQ(CheckImport(vel, work).due, ImportDue::kAlreadyImported);
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
  }
}

TEST_F(ImportAtStartupTest, NothingIsImportedOverASchoolOrFromAnIncompleteSet) {
  WriteSet(vel, CompleteSet());
  std::filesystem::create_directories(work);
  WriteBytes(work / "lesson.prg", Bytes{});  // an earlier import, name in lower case
  EXPECT_EQ(CheckImport(vel, work).due, ImportDue::kAlreadyImported);
  std::filesystem::remove(work / "lesson.prg");
  EXPECT_EQ(CheckImport(vel, work).due, ImportDue::kDue);

  // A school that is already there is not replaced.
  auto own = testing::SampleSchool(work);
  ASSERT_TRUE(SaveFiles(*own, FileSet{DataFile::kRoomGrids}));
  const ImportCheckResult check = CheckImport(vel, work);
  EXPECT_EQ(check.due, ImportDue::kFolderHasSchool);
  EXPECT_EQ(check.file, "DUDIZIRY.LOF");
  auto school = testing::NewSchool();
  const auto before = Snapshot(work);
  const StartupResult r = Start(*school);
  EXPECT_FALSE(r.imported);
  EXPECT_EQ(Snapshot(work).at("DUDIZIRY.LOF"), before.at("DUDIZIRY.LOF"));
  EXPECT_FALSE(std::filesystem::exists(work / "LESSON.PRG"));

  // Without its teacher lessons the set is incomplete.
  std::filesystem::remove(vel / "TELE.PRG");
  const ImportCheckResult missing = CheckImport(vel, root.path() / "yeni");
  EXPECT_EQ(missing.due, ImportDue::kSourceMissing);
  EXPECT_EQ(missing.file, "TELE.PRG");
}

}  // namespace
}  // namespace kalvodrin
