// Delete commands on a school with assignments, rooms, a common lesson and placed
// hours: what goes, what stays, which files are rewritten, and that the engine's
// consistency check finds nothing wrong afterwards.

#include <gtest/gtest.h>

#include <cstring>

#include "core/cells.h"
#include "core/record_creation.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "masterdata/class_hours.h"
#include "masterdata/deletion_loss.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"
#include "school_builder.h"
#include "typed.h"

namespace kalvodrin {
namespace {

const FileSet kLessonDeleteFiles{
    DataFile::kLessons,     DataFile::kClassLessons, DataFile::kCommonGroups,
    DataFile::kTeacherLessons, DataFile::kClassGrids, DataFile::kRoomGrids,
    DataFile::kTeacherGrids};

// 9 A, 9 B, 10 A take MATEMATİK (Ali); 9 A and 9 B take FİZİK (Veli, room LAB) and
// BEDEN as one common lesson (Veli, room SALON). Some hours are placed.
class PlacedSchool : public ::testing::Test {
 protected:
  void SetUp() override {
    SchoolBuilder b;
    b.Teacher("ALİ").Teacher("VELİ").Room("LAB").Room("SALON");
    for (const char* section : {"A", "B"})
      b.Class("9", section).Lesson("MATEMATİK", 4, "2+2").Lesson("FİZİK", 2, "2").InRoom("LAB")
          .Lesson("BEDEN", 2, "2");
    b.Class("10", "A").Lesson("MATEMATİK", 4, "2+2");
    for (const char* k : {"9 A", "9 B", "10 A"}) b.Teach("ALİ", k, "MATEMATİK");
    for (const char* k : {"9 A", "9 B"}) b.Teach("VELİ", k, "FİZİK");
    b.Common({"9 A", "9 B"}, "BEDEN").InRoom("SALON").Teach("VELİ", "9 A", "BEDEN");
    school = b.Build();
    kMat = b.LessonNo("MATEMATİK");
    kFiz = b.LessonNo("FİZİK");
    kBed = b.LessonNo("BEDEN");
    k9A = b.ClassNo("9 A");
    k9B = b.ClassNo("9 B");
    k10A = b.ClassNo("10 A");
    kAli = b.TeacherNo("ALİ");
    kVeli = b.TeacherNo("VELİ");
    kLab = b.RoomNo("LAB");
    kSalon = b.RoomNo("SALON");
    CountAllHours(school);
    Place(1, 1, k9A, kMat);
    Place(1, 2, k9A, kMat);
    Place(1, 3, k9B, kMat);
    Place(2, 1, k9A, kFiz);
    Place(3, 1, k9A, kBed);  // the common lesson: 9 B gets the hour too
    ASSERT_EQ(ClassCell(k9B, 3, 1), kBed);
    ASSERT_EQ(CheckConsistency(school), std::vector<std::string>{});
  }

  void Place(int day, int hour, int classNo, int lesson) {
    ASSERT_TRUE(PlaceOneHour(school, CellIndex(day, hour), classNo, lesson));
  }
  int TeacherCell(int teacher, int day, int hour) const {
    return school.TeacherGridByNo(teacher)->occupant[CellIndex(day, hour) - 1];
  }
  int ClassCell(int classNo, int day, int hour) const {
    return school.ClassGridByNo(classNo)->occupant[CellIndex(day, hour) - 1];
  }

  School school;
  int kMat = 0, kFiz = 0, kBed = 0;    // lessons
  int k9A = 0, k9B = 0, k10A = 0;      // classes
  int kAli = 0, kVeli = 0;             // teachers
  int kLab = 0, kSalon = 0;            // rooms
};

TEST_F(PlacedSchool, DeletingALessonTakenByThreeClassesRemovesItEverywhere) {
  const Change c = DeleteLessonFromPool(school, kMat);
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.files, kLessonDeleteFiles);
  EXPECT_EQ(school.LessonByNo(kMat), nullptr);
  for (int k : {k9A, k9B, k10A}) EXPECT_EQ(school.ClassLessonAt(k, kMat), nullptr);
  for (const TTeacherLessonRec& tl : school.TeacherLessons) EXPECT_NE(tl.lesson, kMat);
  EXPECT_EQ(ClassCell(k9A, 1, 1), 0);
  EXPECT_EQ(ClassCell(k9B, 1, 3), 0);
  EXPECT_EQ(TeacherCell(kAli, 1, 2), 0);
  EXPECT_EQ(school.TeacherGridByNo(kAli)->placedHours, 0);
  EXPECT_EQ(school.TeacherGridByNo(kAli)->weeklyHours, 0);  // counts follow
  EXPECT_EQ(ClassCell(k9A, 2, 1), kFiz);  // other lessons keep their hours
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingTheGuidanceLessonClearsItAndNumbersAreReused) {
  school.Settings.guidanceLesson = kFiz;
  Change c = DeleteLessonFromPool(school, kFiz);
  EXPECT_TRUE(c.files.has(DataFile::kSettings));
  EXPECT_EQ(school.Settings.guidanceLesson, 0);
  c = DeleteLessonFromPool(school, kBed);
  EXPECT_FALSE(c.files.has(DataFile::kSettings));
  EXPECT_EQ(DeleteLessonFromPool(school, kBed).outcome, Outcome::kNotFound);
  // Numbers 2 and 3 are free again; the lowest is taken first.
  EXPECT_EQ(SaveNewLesson(school, {"TARIH", "T", "2", "2"}).number, kFiz);
  EXPECT_EQ(SaveNewLesson(school, {"COGRAFYA", "C", "2", "2"}).number, kBed);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingAClassDissolvesItsCommonLessonAndRenumbers) {
  const Change c = DeleteClassFromList(school, k9A);
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kClasses, DataFile::kClassLessons,
                              DataFile::kCommonGroups, DataFile::kTeacherLessons,
                              DataFile::kClassGrids, DataFile::kRoomGrids,
                              DataFile::kTeacherGrids}));
  EXPECT_EQ(school.ClassByNo(k9A), nullptr);
  EXPECT_EQ(school.ClassGridByNo(k9A), nullptr);
  EXPECT_EQ(school.ClassByNo(k9B)->order, 1);
  EXPECT_EQ(school.ClassByNo(k10A)->order, 2);
  // A common lesson needs two members: the group goes, 9B keeps BEDEN on its own.
  EXPECT_TRUE(school.CommonGroups.empty());
  ASSERT_NE(school.ClassLessonAt(k9B, kBed), nullptr);
  EXPECT_EQ(school.ClassLessonAt(k9B, kBed)->commonGroup, 0);
  EXPECT_EQ(TeacherCell(kAli, 1, 1), 0);
  EXPECT_EQ(TeacherCell(kAli, 1, 3), k9B);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingATeacherOfACommonLessonFreesEveryMember) {
  AddDutyPlace(school, 1, "BAHCE");
  school.ReindexDutyPlaces();
  AddDuty(school, 1, 2, kVeli);
  const Change c = DeleteTeacherFromList(school, kVeli);
  ASSERT_TRUE(c.done());
  for (DataFile f : {DataFile::kTeachers, DataFile::kClassLessons, DataFile::kTeacherLessons,
                     DataFile::kClassGrids, DataFile::kRoomGrids, DataFile::kTeacherGrids,
                     DataFile::kDuties, DataFile::kDutyPlaces})
    EXPECT_TRUE(c.files.has(f)) << InfoOf(f).name;
  for (int k : {k9A, k9B}) {
    EXPECT_EQ(school.ClassLessonAt(k, kBed)->teacherCount, 0);
    EXPECT_EQ(school.ClassLessonAt(k, kFiz)->teacherCount, 0);
    EXPECT_EQ(ClassCell(k, 3, 1), 0);
  }
  EXPECT_EQ(ClassCell(k9A, 2, 1), 0);
  EXPECT_EQ(school.TeacherGridByNo(kVeli), nullptr);
  EXPECT_TRUE(school.Duties.empty());
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[1], 0);
  EXPECT_EQ(ClassCell(k9A, 1, 1), kMat);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});

  ASSERT_TRUE(DeleteTeacherFromList(school, kAli).done());
  EXPECT_TRUE(school.Teachers.empty());
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingTheFirstTeacherRenumbersTheOthersFromOne) {
  ASSERT_TRUE(DeleteTeacherFromList(school, kAli).done());
  EXPECT_EQ(school.TeacherByNo(kVeli)->order, 1);
  EXPECT_EQ(ClassCell(k9A, 1, 1), 0);
  EXPECT_EQ(ClassCell(k9A, 3, 1), kBed);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingARoomOfACommonLessonTakesItFromEveryMember) {
  const Change c = DeleteRoomFromList(school, kLab);
  EXPECT_EQ(c.files, (FileSet{DataFile::kRooms, DataFile::kClassLessons, DataFile::kRoomGrids}));
  EXPECT_EQ(school.ClassLessonAt(k9A, kFiz)->roomCount, 0);
  EXPECT_EQ(school.RoomByNo(kSalon)->order, 1);
  EXPECT_EQ(school.RoomGridByNo(kLab), nullptr);
  ASSERT_TRUE(DeleteRoomFromList(school, kSalon).done());
  for (int k : {k9A, k9B}) EXPECT_EQ(school.ClassLessonAt(k, kBed)->roomCount, 0);
  EXPECT_EQ(ClassCell(k9B, 3, 1), kBed);  // the lesson stays placed without a room
  EXPECT_TRUE(school.Rooms.empty());
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

TEST_F(PlacedSchool, DeletingAGroupLeavesItsLessonsWithoutGroup) {
  ASSERT_TRUE(SaveNewLessonGroup(school, "SAYISAL").done());
  school.LessonByNo(kMat)->group = 1;
  school.LessonByNo(kFiz)->group = 1;
  const Change c = DeleteLessonGroupFromList(school, 1);
  EXPECT_EQ(c.files, (FileSet{DataFile::kLessonGroups, DataFile::kLessons}));
  EXPECT_TRUE(school.LessonGroups.empty());
  EXPECT_EQ(school.Lessons.size(), 3u);
  EXPECT_EQ(school.LessonByNo(kMat)->group, 0);
  EXPECT_EQ(school.LessonByNo(kFiz)->group, 0);
  EXPECT_EQ(DeleteLessonGroupFromList(school, 1).outcome, Outcome::kNotFound);
}

// Not a delete, but it rests on the same school: moving a class to the afternoon shift
// moves its teachers' hours with it.
TEST_F(PlacedSchool, WeeklyHoursOfAClassRecountItsTeachers) {
  const TTeacherGridRec& ali = *school.TeacherGridByNo(kAli);
  ASSERT_EQ(ali.morningHours, 12);
  ClassHours h = ClassHoursOf(school, k10A);
  h.first[0] = 4;
  h.last[0] = 9;
  const Change c = SetClassHours(school, k10A, h);
  EXPECT_EQ(c.files, (FileSet{DataFile::kClassGrids, DataFile::kTeacherGrids}));
  EXPECT_EQ(ali.morningHours, 8);
  EXPECT_EQ(ali.afternoonHours, 4);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
}

// The delete question is told what goes before it is asked; the school it counts on
// stays as it was.
TEST_F(PlacedSchool, DeletionLossCountsWhatEachDeleteTakesWithIt) {
  const TClassGridRec before = school.ClassGrids[0];
  // MATEMATİK: three class lessons, Ali's three assignments, 9 A's two hours, 9 B's one.
  EXPECT_EQ(CountDeletionLoss(school, EntityKind::kLesson, kMat), (DeletionLoss{3, 3, 3, 0, 0}));
  // Veli: four assignments (FİZİK in two classes, the common BEDEN in both), the FİZİK
  // hour of 9 A and the joint BEDEN hour in each of its two classes.
  EXPECT_EQ(CountDeletionLoss(school, EntityKind::kTeacher, kVeli), (DeletionLoss{0, 4, 3, 0, 0}));
  // 10 A has a lesson and a teacher but nothing placed.
  EXPECT_EQ(CountDeletionLoss(school, EntityKind::kClass, k10A), (DeletionLoss{1, 1, 0, 0, 0}));
  EXPECT_EQ(CountDeletionLoss(school, EntityKind::kRoom, kLab), (DeletionLoss{0, 0, 0, 0, 2}));
  EXPECT_EQ(CountDeletionLoss(school, EntityKind::kLesson, 200), DeletionLoss{});
  EXPECT_EQ(school.ClassLessons.size(), 7u);
  EXPECT_EQ(ClassCell(k9A, 1, 1), kMat);
  EXPECT_EQ(std::memcmp(&before, &school.ClassGrids[0], sizeof before), 0);

  EXPECT_EQ(DeletionLossText({}), "");
  EXPECT_EQ(DeletionLossText({3, 3, 1, 0, 0}),
            "\nBirlikte silinecek:\n3 sınıf dersi\n3 öğretmene verilmiş ders"
            "\n1 yerleşmiş sınıf ders saati");
  EXPECT_EQ(DeletionLossText({0, 0, 0, 2, 1}),
            "\nBirlikte silinecek:\n2 nöbet\n1 sınıf dersinin dersliği");
}

}  // namespace
}  // namespace kalvodrin
