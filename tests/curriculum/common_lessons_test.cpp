// Common lessons: the seven checks in their order, the member limit, removing a
// member and dissolving groups that are left too small.

#include <gtest/gtest.h>

#include "core/cells.h"
#include "core/record_creation.h"
#include "curriculum/common_lessons.h"
#include "curriculum/curriculum_rows.h"
#include "curriculum/curriculum_texts.h"
#include "engine/cell_writes.h"
#include "engine/class_lesson_lists.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "list_checks.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

// 9 A..9 C take MATEMATİK (4) and FİZİK (4); 9 A also takes KİMYA (2).
class Groups : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Teacher("ALİ").Room("LAB");
    for (const char* section : {"A", "B", "C"})
      b.Class("9", section).Lesson("MATEMATİK", 4, "2+2").Lesson("FİZİK", 4, "2+2");
    b.In("9 A").Lesson("KİMYA", 2, "2");
    s = b.Build();
    mat = b.LessonNo("MATEMATİK");
    fiz = b.LessonNo("FİZİK");
    a = b.ClassNo("9 A");
    bb = b.ClassNo("9 B");
    c = b.ClassNo("9 C");
  }
  Outcome Add(int group, int classNo, int lesson) {
    return AddToCommonGroup(s, group, classNo, lesson).outcome;
  }

  SchoolBuilder b;
  School s;
  int mat = 0, fiz = 0, a = 0, bb = 0, c = 0;
};

TEST_F(Groups, ChecksRunInTheirOrderAndTheFirstFailingOneIsTold) {
  const int g = NewCommonGroup(s).number;
  ASSERT_EQ(g, 1);
  const Change added = AddToCommonGroup(s, g, a, mat);
  EXPECT_EQ(added.outcome, Outcome::kDone);
  EXPECT_EQ(added.files, (FileSet{DataFile::kClassLessons, DataFile::kCommonGroups}));
  EXPECT_EQ(Add(g, bb, mat), Outcome::kDone);
  EXPECT_EQ(s.ClassLessonAt(bb, mat)->commonGroup, g);

  // 1: already in a group (its number is told), before anything else.
  const Change again = AddToCommonGroup(s, g, a, mat);
  EXPECT_EQ(again.outcome, Outcome::kInGroup);
  EXPECT_EQ(CurriculumNotice(again), "Bu ders 1 nolu grupta ortak ders olarak atanmış.");
  // 4 before 7: a second lesson of 9 A is refused for its class.
  EXPECT_EQ(Add(g, a, fiz), Outcome::kSameClass);
  // 7: another lesson with the same weekly hours.
  EXPECT_EQ(Add(g, c, fiz), Outcome::kOtherLesson);
  // 5 before 6 and 7: other weekly hours.
  AttachRoom(s, 1, a, b.LessonNo("KİMYA"));
  EXPECT_EQ(Add(g, a, b.LessonNo("KİMYA")), Outcome::kSameClass);
  const int other = NewCommonGroup(s).number;
  ASSERT_EQ(other, 2);
  ASSERT_EQ(Add(other, bb, fiz), Outcome::kDone);
  EXPECT_EQ(Add(other, a, b.LessonNo("KİMYA")), Outcome::kOtherHours);
  // 6: a classroom, when the hours agree.
  AttachRoom(s, 1, c, fiz);
  EXPECT_EQ(Add(other, c, fiz), Outcome::kHasRooms);
  // 2: a teacher, even for an empty group; 3: a member with a teacher.
  ASSERT_EQ(Add(other, a, fiz), Outcome::kDone);
  const int empty = NewCommonGroup(s).number;
  s.ClassLessonAt(c, mat)->teacherCount = 1;
  EXPECT_EQ(Add(empty, c, mat), Outcome::kHasTeachers);
  s.ClassLessonAt(c, mat)->teacherCount = 0;
  s.ClassLessonAt(a, mat)->teacherCount = 1;
  EXPECT_EQ(Add(g, c, mat), Outcome::kGroupHasTeachers);
  EXPECT_EQ(s.CommonGroupByNo(g)->count, 2);
}

TEST_F(Groups, AnOpenGroupIsSelectedInsteadOfANewOne) {
  EXPECT_EQ(NewCommonGroup(s).outcome, Outcome::kDone);
  Change c2 = NewCommonGroup(s);
  EXPECT_EQ(c2.outcome, Outcome::kOpenGroup);
  EXPECT_EQ(c2.number, 1);
  Add(1, a, mat);
  EXPECT_EQ(NewCommonGroup(s).outcome, Outcome::kOpenGroup);  // one member is still open
  Add(1, bb, mat);
  c2 = NewCommonGroup(s);
  EXPECT_EQ(c2.outcome, Outcome::kDone);
  EXPECT_EQ(c2.number, 2);
  EXPECT_EQ(c2.files, FileSet{DataFile::kCommonGroups});
}

TEST_F(Groups, ASixteenthMemberIsRefused) {
  SchoolBuilder big;
  for (int k = 1; k <= 16; ++k) big.Class(std::to_string(k)).Lesson("BEDEN", 2, "2");
  School t = big.Build();
  const int g = NewCommonGroup(t).number;
  for (int k = 1; k <= 15; ++k) ASSERT_TRUE(AddToCommonGroup(t, g, k, 1).done()) << k;
  const Change c16 = AddToCommonGroup(t, g, 16, 1);
  EXPECT_EQ(c16.outcome, Outcome::kListFull);
  EXPECT_FALSE(CurriculumNotice(c16).empty());
  EXPECT_EQ(t.CommonGroupByNo(g)->count, 15);
  EXPECT_EQ(t.ClassLessonAt(16, 1)->commonGroup, 0);
}

TEST_F(Groups, The255thGroupIsTheLastAndUnknownNumbersAreRefused) {
  for (int n = 1; n <= 254; ++n) {
    ASSERT_EQ(NewCommonGroup(s).number, n);
    s.CommonGroupByNo(n)->count = 2;  // closed: no open group is offered instead
  }
  const Change last = NewCommonGroup(s);
  EXPECT_EQ(last.outcome, Outcome::kDone);
  EXPECT_EQ(last.number, 255);
  s.CommonGroupByNo(255)->count = 2;
  const Change none = NewCommonGroup(s);
  EXPECT_EQ(none.outcome, Outcome::kFull);
  EXPECT_EQ(CurriculumNotice(none), "En çok 255 ortak ders grubu açılabilir.");
  EXPECT_EQ(s.CommonGroups.size(), 255u);
  EXPECT_EQ(Add(256, a, mat), Outcome::kNotFound);
  EXPECT_EQ(Add(1, a, 99), Outcome::kNotFound);
  EXPECT_EQ(RemoveFromCommonGroup(s, a, mat).outcome, Outcome::kNotFound);  // in no group
  EXPECT_EQ(RemoveFromCommonGroup(s, a, 99).outcome, Outcome::kNotFound);
  EXPECT_TRUE(CommonMemberRows(s, 256).empty());
}

// A group record may name a class lesson that is gone (a damaged file set): it has no
// teachers to refuse for, and its hours, none, differ from any real lesson's.
TEST_F(Groups, AMemberWhoseClassLessonIsGoneCountsAsUntaughtWithoutHours) {
  const int g = NewCommonGroup(s).number;
  ASSERT_EQ(Add(g, a, mat), Outcome::kDone);
  s.CommonGroupByNo(g)->lessons[0] = 77;
  EXPECT_EQ(Add(g, bb, mat), Outcome::kOtherHours);
  EXPECT_EQ(CommonMemberRows(s, g)[0].cells[5], "0");
}

// The classroom column names a lesson's first classroom, and nothing for a number that
// names no classroom.
TEST_F(Groups, TheClassroomColumnNamesTheFirstClassroomOnly) {
  const int kim = b.LessonNo("KİMYA");
  const auto roomOf = [&](int lesson) {
    for (const ListRow& row : ClassLessonRows(s, a))
      if (row.number == lesson) return row.cells.back();
    return std::string("?");
  };
  EXPECT_EQ(roomOf(kim), "");
  AttachRoom(s, b.RoomNo("LAB"), a, kim);
  EXPECT_EQ(roomOf(kim), "LAB");
  s.ClassLessonAt(a, kim)->rooms[0] = 77;
  EXPECT_EQ(roomOf(kim), "");
  EXPECT_EQ(roomOf(mat), "");
}

TEST_F(Groups, ARemovedMemberMayJoinAnotherGroupAndSmallGroupsDissolveOnClosing) {
  const int g = NewCommonGroup(s).number;
  for (int k : {a, bb, c}) ASSERT_EQ(Add(g, k, mat), Outcome::kDone);
  const Change removed = RemoveFromCommonGroup(s, a, mat);
  ASSERT_TRUE(removed.done());
  EXPECT_EQ(removed.files, (FileSet{DataFile::kClassLessons, DataFile::kCommonGroups}));
  EXPECT_EQ(s.ClassLessonAt(a, mat)->commonGroup, 0);
  // The last member moved into the freed first slot.
  EXPECT_EQ(CommonMemberRows(s, g).front().cells[3], "9 C");
  EXPECT_EQ(RemoveMemberConfirm(s, bb, mat, g),
            "9 B sınıfı MATEMATİK dersi 1 nolu ortak ders grubundan silinecek ?");
  const int other = NewCommonGroup(s).number;
  EXPECT_EQ(Add(other, a, mat), Outcome::kDone);
  // Closing: group 2 has one member and goes; group 1 keeps two.
  const Change closed = DissolveSmallGroups(s);
  ASSERT_TRUE(closed.done());
  EXPECT_EQ(s.CommonGroups.size(), 1u);
  EXPECT_EQ(s.CommonGroupByNo(other), nullptr);
  EXPECT_EQ(s.ClassLessonAt(a, mat)->commonGroup, 0);
  EXPECT_EQ(DissolveSmallGroups(s).outcome, Outcome::kUnchanged);
  EXPECT_EQ(RemoveFromCommonGroup(s, a, mat).outcome, Outcome::kNotFound);
}

TEST_F(Groups, RemovingAPlacedMemberTakesTheJointHoursFromAll) {
  const int g = NewCommonGroup(s).number;
  Add(g, a, mat);
  Add(g, bb, mat);
  SchoolBuilder placed;
  placed.Teacher("ALİ");
  for (const char* section : {"A", "B"}) placed.Class("9", section).Lesson("MATEMATİK", 4, "2+2");
  placed.Common({"9 A", "9 B"}, "MATEMATİK").Teach("ALİ", "9 A", "MATEMATİK");
  placed.Place("9 A", "MATEMATİK", 2, 1, 1);
  School t = placed.Build();
  const Change removed = RemoveFromCommonGroup(t, 2, 1);
  ASSERT_TRUE(removed.done());
  EXPECT_TRUE(removed.files.has(DataFile::kClassGrids));
  EXPECT_TRUE(removed.files.has(DataFile::kTeacherGrids));
  EXPECT_EQ(t.ClassGridByNo(1)->occupant[cells::At(1)], 0);
  EXPECT_EQ(t.ClassGridByNo(2)->occupant[cells::At(1)], 0);
  EXPECT_EQ(CheckConsistency(t), std::vector<std::string>{});
}

// The members of a group hold the same hours, so neither a class lesson with hours
// placed nor one joining a group whose members have some may join: the timetables
// would no longer agree (as the operations fuzzer found).
TEST_F(Groups, NoClassLessonJoinsWhileHoursAreOnlyOnOneSide) {
  SchoolBuilder placed;
  for (const char* section : {"A", "B", "C", "D"})
    placed.Class("9", section).Lesson("MATEMATİK", 4, "2+2");
  placed.Common({"9 A", "9 B"}, "MATEMATİK").Place("9 A", "MATEMATİK", 2, 1, 1);
  placed.Place("9 C", "MATEMATİK", 2, 2, 1);
  School t = placed.Build();
  const int joint = t.ClassLessonAt(1, 1)->commonGroup;
  const int fresh = NewCommonGroup(t).number;
  const Change ownHours = AddToCommonGroup(t, fresh, 3, 1);
  EXPECT_EQ(ownHours.outcome, Outcome::kPlaced);
  EXPECT_TRUE(ownHours.files.empty());
  EXPECT_EQ(AddToCommonGroup(t, joint, 4, 1).outcome, Outcome::kPlaced);
  EXPECT_EQ(t.ClassLessonAt(3, 1)->commonGroup, 0);
  EXPECT_EQ(t.ClassLessonAt(4, 1)->commonGroup, 0);
  EXPECT_EQ(CheckConsistency(t), std::vector<std::string>{});
  // With nothing placed on either side it joins.
  EXPECT_TRUE(AddToCommonGroup(t, fresh, 4, 1).done());
  EXPECT_EQ(CheckConsistency(t), std::vector<std::string>{});
}

// Joint, ALİ's MATEMATİK counts once (4 hours); apart, 9 B's counts on its own. With
// no hour placed the counts must change all the same and reach the teachers' file.
TEST_F(Groups, RemovingATaughtUnplacedMemberRecountsItsTeachers) {
  SchoolBuilder taught;
  taught.Teacher("ALİ");
  for (const char* section : {"A", "B"}) taught.Class("9", section).Lesson("MATEMATİK", 4, "2+2");
  taught.Common({"9 A", "9 B"}, "MATEMATİK").Teach("ALİ", "9 A", "MATEMATİK");
  School t = taught.Build();
  CountAllHours(t);
  const int ali = taught.TeacherNo("ALİ");
  ASSERT_EQ(t.TeacherGridByNo(ali)->weeklyHours, 4);
  const Change removed = RemoveFromCommonGroup(t, 2, 1);
  ASSERT_TRUE(removed.done());
  EXPECT_TRUE(removed.files.has(DataFile::kTeacherGrids));
  EXPECT_EQ(t.TeacherGridByNo(ali)->weeklyHours, 8);
  EXPECT_EQ(CheckConsistency(t), std::vector<std::string>{});
  // A member nobody teaches yet changes no count and no timetable file.
  const int g = NewCommonGroup(s).number;
  Add(g, a, mat);
  Add(g, bb, mat);
  EXPECT_FALSE(RemoveFromCommonGroup(s, a, mat).files.has(DataFile::kTeacherGrids));
}

TEST_F(Groups, EveryListHasACellPerColumnAndEveryRefusalItsOwnMessage) {
  const int g = NewCommonGroup(s).number;
  ASSERT_EQ(Add(g, a, mat), Outcome::kDone);
  ASSERT_EQ(Add(g, bb, mat), Outcome::kDone);
  AttachRoom(s, b.RoomNo("LAB"), a, b.LessonNo("KİMYA"));
  testing::ExpectRowsFitColumns(PoolColumns(), PoolRows(s));
  testing::ExpectRowsFitColumns(ClassLessonColumns(), ClassLessonRows(s, a));
  testing::ExpectRowsFitColumns(CommonGroupColumns(), CommonGroupRows(s));
  testing::ExpectRowsFitColumns(CommonMemberColumns(), CommonMemberRows(s, g));
  testing::ExpectOwnMessages(
      [](Outcome o) { return CurriculumNotice(Refused(o)); },
      {Outcome::kOverCapacity, Outcome::kInGroup, Outcome::kHasTeachers, Outcome::kGroupHasTeachers,
       Outcome::kSameClass, Outcome::kOtherHours, Outcome::kHasRooms, Outcome::kOtherLesson,
       Outcome::kListFull, Outcome::kPlaced, Outcome::kFull, Outcome::kNotFound});
}

}  // namespace
}  // namespace kalvodrin
