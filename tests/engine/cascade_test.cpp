#include "engine/cascade.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

#include "core/cells.h"
#include "core/record_creation.h"
#include "core/storage.h"
#include "engine/block_operations.h"
#include "engine/class_lesson_lists.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "engine/participants.h"
#include "school_builder.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

::testing::AssertionResult Consistent(const School& school) {
  const std::vector<std::string> problems = CheckConsistency(school);
  if (problems.empty()) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  for (const std::string& p : problems) failure << p << "\n";
  return failure;
}

// Three classes, two rooms, four teachers, a lesson group, a common lesson of all
// three classes, duties, and a partly placed timetable.
class CascadeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Group("FEN").Room("LAB").Room("SALON");
    b.Class("9", "A").Class("9", "B").Class("10", "A");
    b.In("9 A").Lesson("MATEMATİK", 6, "2+2+2").Teacher("AHMET").Teach();
    b.In("9 B").Lesson("MATEMATİK", 6, "2+2+2").Teach();
    b.In("9 A").Lesson("FİZİK", 4, "2+2", "FEN").Teacher("BERNA").Teach().InRoom("LAB");
    b.In("10 A").Lesson("KİMYA", 2, "1+1", "FEN").Teacher("CEM").Teach().InRoom("LAB");
    b.Lesson("MATEMATİK", 6, "2+2+2").Teach().Teach("AHMET", "10 A", "MATEMATİK");
    for (const char* c : {"9 A", "9 B", "10 A"}) b.In(c).Lesson("BEDEN", 2, "2");
    b.Common({"9 A", "9 B", "10 A"}, "BEDEN").Teacher("DERYA").Teach().InRoom("SALON");
    b.Place("9 A", "MATEMATİK", 2, 1, 1).Place("9 B", "MATEMATİK", 2, 1, 3);
    b.Place("9 A", "FİZİK", 2, 2, 1).Place("9 B", "BEDEN", 2, 3, 1);  // all three classes
    b.Place("10 A", "KİMYA", 1, 4, 1).Place("10 A", "MATEMATİK", 2, 5, 1);
    school = b.Build();
    AddDutyPlace(school, 1, "KANTİN");
    school.ReindexDutyPlaces();
    AddDuty(school, 1, 1, b.TeacherNo("AHMET"));
    AddDuty(school, 1, 3, b.TeacherNo("BERNA"));
    ASSERT_TRUE(PlaceOneHour(school, CellIndex(5, 3), b.ClassNo("10 A"),
                             b.LessonNo("MATEMATİK")));
    ASSERT_TRUE(Consistent(school));
  }

  int PlacedHoursOf(int classNo, const char* lesson = nullptr) {
    const TClassGridRec* g = school.ClassGridByNo(classNo);
    int n = 0;
    for (uint8_t occupant : g->occupant)
      if (occupant != 0 && (lesson == nullptr || occupant == b.LessonNo(lesson))) ++n;
    return n;
  }

  const TClassLessonRec& ClassLesson(const char* classKey, const char* lesson) {
    return *school.ClassLessonAt(b.ClassNo(classKey), b.LessonNo(lesson));
  }

  SchoolBuilder b;
  School school;
};

TEST_F(CascadeTest, EveryKindOfDeletionLeavesNoDanglingNumber) {
  const std::vector<std::pair<const char*, std::function<void(School&)>>> deletions = {
      {"lesson group", [&](School& s) { DeleteLessonGroup(s, 1); }},
      {"room", [&](School& s) { DeleteRoom(s, b.RoomNo("LAB")); }},
      {"common room", [&](School& s) { DeleteRoom(s, b.RoomNo("SALON")); }},
      {"teacher", [&](School& s) { DeleteTeacher(s, b.TeacherNo("AHMET")); }},
      {"common teacher", [&](School& s) { DeleteTeacher(s, b.TeacherNo("DERYA")); }},
      {"class", [&](School& s) { DeleteClass(s, b.ClassNo("9 A")); }},
      {"class with shared teacher",
       [&](School& s) { DeleteClass(s, b.ClassNo("10 A")); }},
      {"lesson", [&](School& s) { DeleteLesson(s, b.LessonNo("MATEMATİK")); }},
      {"common lesson", [&](School& s) { DeleteLesson(s, b.LessonNo("BEDEN")); }},
      {"class lesson",
       [&](School& s) { DeleteClassLesson(s, b.ClassNo("9 B"), b.LessonNo("BEDEN")); }},
      {"assignment",
       [&](School& s) {
         UnassignTeacher(s, b.TeacherNo("AHMET"), b.ClassNo("10 A"),
                         b.LessonNo("MATEMATİK"));
       }},
      {"group member",
       [&](School& s) {
         TakeOutOfCommonGroup(s, b.ClassNo("10 A"), b.LessonNo("BEDEN"));
       }},
      {"common group", [&](School& s) { DeleteCommonGroup(s, 1); }},
      {"room of a placed lesson",
       [&](School& s) {
         TakeRoomOutOfClassLesson(s, b.ClassNo("9 A"), b.LessonNo("FİZİK"),
                                  b.RoomNo("LAB"));
       }},
      {"duty place", [&](School& s) { DeleteDutyPlace(s, 1); }},
      {"all duties", [&](School& s) { DeleteAllDuties(s); }},
  };
  for (const auto& [what, deletion] : deletions) {
    SCOPED_TRACE(what);
    School copy = school;
    deletion(copy);
    EXPECT_TRUE(Consistent(copy));
  }
}

// Every duty goes with its counters, at each place; a group that is not there, a class
// that is not there and lesson 0 (a free cell) change and count nothing.
TEST_F(CascadeTest, AllDutiesGoWithTheirCountersAndUnknownNumbersCountNothing) {
  School copy = school;
  DeleteAllDuties(copy);
  EXPECT_TRUE(copy.Duties.empty());
  for (uint8_t n : copy.DutyPlaceByNo(1)->perDay) EXPECT_EQ(n, 0);
  DeleteCommonGroup(school, 99);
  ASSERT_NE(school.CommonGroupByNo(1), nullptr);
  EXPECT_EQ(PlacedHours(school, b.ClassNo("9 A"), b.LessonNo("BEDEN")), 2);
  EXPECT_TRUE(Consistent(school));
  EXPECT_EQ(PlacedHours(school, 99, b.LessonNo("BEDEN")), 0);
  EXPECT_EQ(PlacedHours(school, b.ClassNo("9 A"), 0), 0);
}

// A duty is deleted by its place, day and teacher together: one matching only some of
// them stays. The day's counter of the place goes down with it, the seventh day's too.
TEST_F(CascadeTest, DeletingADutyTakesOnlyTheOneOfThatPlaceDayAndTeacher) {
  const int ahmet = b.TeacherNo("AHMET");
  const int berna = b.TeacherNo("BERNA");
  AddDuty(school, 1, 7, berna);
  school.DutyPlaceByNo(1)->perDay[6] = 1;
  EXPECT_EQ(DeleteDuty(school, 1, 1, berna), FileSet{});  // BERNA's is on day 3
  EXPECT_EQ(DeleteDuty(school, 1, 3, ahmet), FileSet{});  // AHMET's is on day 1
  EXPECT_EQ(school.Duties.size(), 3u);
  EXPECT_FALSE(DeleteDuty(school, 1, 7, berna).empty());
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[6], 0);
  ASSERT_EQ(school.Duties.size(), 2u);
  EXPECT_EQ(school.Duties[0].teacher, ahmet);
  EXPECT_EQ(school.Duties[1].day, 3);
}

// A lesson placed without teachers has its hours in the class alone; the last cell of
// the week is one of them like any other.
TEST(CascadeHours, DeletingATeacherlessClassLessonFreesTheWeeksLastCellToo) {
  SchoolBuilder b;
  b.Class("9", "A").Hours(1, kHoursPerDay).Lesson("BEDEN", 2, "1+1");
  b.Place("9 A", "BEDEN", 1, 1, 1).Place("9 A", "BEDEN", 1, kDays, kHoursPerDay);
  School s = b.Build();
  const int c = b.ClassNo("9 A");
  const int bed = b.LessonNo("BEDEN");
  ASSERT_EQ(PlacedHours(s, c, bed), 2);
  DeleteClassLesson(s, c, bed);
  EXPECT_EQ(s.ClassGridByNo(c)->occupant[0], 0);
  EXPECT_EQ(s.ClassGridByNo(c)->occupant[kCells - 1], 0);
  EXPECT_TRUE(Consistent(s));
}

// The teacher's hour in the week's last cell goes with the teacher as every other.
TEST(CascadeHours, UnassigningATeacherFreesItsHourInTheWeeksLastCell) {
  SchoolBuilder b;
  b.Class("9", "A").Hours(1, kHoursPerDay).Lesson("BEDEN", 2, "1+1").Teacher("DERYA").Teach();
  b.Place("9 A", "BEDEN", 1, 1, 1).Place("9 A", "BEDEN", 1, kDays, kHoursPerDay);
  School s = b.Build();
  const int c = b.ClassNo("9 A");
  const int derya = b.TeacherNo("DERYA");
  ASSERT_EQ(s.TeacherGridByNo(derya)->occupant[kCells - 1], c);
  UnassignTeacher(s, derya, c, b.LessonNo("BEDEN"));
  EXPECT_EQ(s.TeacherGridByNo(derya)->occupant[0], 0);
  EXPECT_EQ(s.TeacherGridByNo(derya)->occupant[kCells - 1], 0);
  EXPECT_EQ(s.TeacherGridByNo(derya)->placedHours, 0);
  EXPECT_TRUE(Consistent(s));
}

// A group of fifteen, as full as a list gets: looking for a member it does not have
// reads no further than its last, which can still be taken out.
TEST(ClassLessonLists, AFullGroupIsSearchedToItsLastMemberAndNoFurther) {
  TCommonGroupRec g{};
  g.count = kMaxListed;
  for (int k = 0; k < kMaxListed; ++k) {
    g.classes[static_cast<std::size_t>(k)] = static_cast<uint8_t>(k + 1);
    g.lessons[static_cast<std::size_t>(k)] = 1;
  }
  EXPECT_FALSE(DetachMember(g, kMaxListed + 1, 1));
  EXPECT_EQ(g.count, kMaxListed);
  EXPECT_TRUE(DetachMember(g, kMaxListed, 1));
  EXPECT_EQ(g.count, kMaxListed - 1);
}

// A block of fifteen classes, as many as a list holds: a class it lacks is looked for
// among the fifteen and no further.
TEST(BlockParticipants, AFullBlockIsSearchedToItsLastClassAndNoFurther) {
  Block b;
  b.classCount = kMaxListed;
  for (int k = 0; k < kMaxListed; ++k)
    b.classes[static_cast<std::size_t>(k)] = static_cast<uint8_t>(k + 1);
  EXPECT_TRUE(HasClass(b, kMaxListed));
  EXPECT_FALSE(HasClass(b, kMaxListed + 1));
}

// A group record can name a member whose class lesson is gone (a damaged file set):
// deleting the lesson it names takes that member out of the group as well.
TEST_F(CascadeTest, DeletingALessonDropsAGroupMemberWithoutItsClassLesson) {
  TCommonGroupRec& g = *school.CommonGroupByNo(1);
  ASSERT_EQ(g.count, 3);
  g.lessons[2] = static_cast<uint8_t>(b.LessonNo("FİZİK"));  // 10 A takes no FİZİK
  DeleteLesson(school, b.LessonNo("FİZİK"));
  const TCommonGroupRec* left = school.CommonGroupByNo(1);
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->count, 2);
  for (int k = 0; k < left->count; ++k)
    EXPECT_EQ(left->lessons[static_cast<std::size_t>(k)], b.LessonNo("BEDEN"));
}

// Damaged file sets: a group whose first member's class lesson is gone, a class lesson
// naming a group that is not there. The group is deleted and the member taken out all
// the same, and no hour that is not joint is touched.
TEST_F(CascadeTest, GroupsNamingWhatIsGoneAreDeletedAndLeft) {
  school.CommonGroupByNo(1)->lessons[0] = static_cast<uint8_t>(b.LessonNo("KİMYA"));
  DeleteCommonGroup(school, 1);
  EXPECT_EQ(school.CommonGroupByNo(1), nullptr);
  EXPECT_EQ(ClassLesson("9 B", "BEDEN").commonGroup, 0);
  school.ClassLessonAt(b.ClassNo("9 A"), b.LessonNo("MATEMATİK"))->commonGroup = 9;
  TakeOutOfCommonGroup(school, b.ClassNo("9 A"), b.LessonNo("MATEMATİK"));
  EXPECT_EQ(ClassLesson("9 A", "MATEMATİK").commonGroup, 0);
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("9 A"), "MATEMATİK"), 2);
}

// Deleting a class lesson erases a teacher's entry for it that the lesson's list lacks
// (a damaged file set), and no other class's entry of the lesson.
TEST_F(CascadeTest, DeletingAClassLessonErasesEveryEntryOfItAndNoOther) {
  const int nineA = b.ClassNo("9 A");
  const int math = b.LessonNo("MATEMATİK");
  school.TeacherLessons.push_back(TTeacherLessonRec{static_cast<uint8_t>(b.TeacherNo("CEM")),
                                                    static_cast<uint8_t>(nineA),
                                                    static_cast<uint8_t>(math)});
  DeleteClassLesson(school, nineA, math);
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    EXPECT_FALSE(tl.classNo == nineA && tl.lesson == math) << int{tl.teacher};
  EXPECT_TRUE(Consistent(school));
}

// A group left with no member still names its last one: purging it takes no class
// lesson out of the group that member is in now.
TEST_F(CascadeTest, PurgingAnEmptyGroupLeavesItsFormerMembersNewGroupAlone) {
  TCommonGroupRec empty{};
  empty.number = 5;
  empty.classes[0] = static_cast<uint8_t>(b.ClassNo("9 A"));
  empty.lessons[0] = static_cast<uint8_t>(b.LessonNo("BEDEN"));
  school.CommonGroups.push_back(empty);
  school.ReindexCommonGroups();
  PurgeCommonGroups(school);
  EXPECT_EQ(school.CommonGroupByNo(5), nullptr);
  EXPECT_EQ(ClassLesson("9 A", "BEDEN").commonGroup, 1);
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("9 A"), "BEDEN"), 2);
}

// A damaged file set: AHMET's and SALON's cells in the week's last cell name 10 A, which
// has no hour there, and a group member names 10 A with a lesson it does not take.
// Deleting 10 A frees those cells and drops that member too.
TEST_F(CascadeTest, DeletingAClassClearsTheCellsAndMembersThatStillNameIt) {
  const auto tenA = static_cast<uint8_t>(b.ClassNo("10 A"));
  TTeacherGridRec& t = *school.TeacherGridByNo(b.TeacherNo("AHMET"));
  TRoomGridRec& r = *school.RoomGridByNo(b.RoomNo("SALON"));
  for (auto* plane : {&t.occupant, &r.occupant}) (*plane)[kCells - 1] = tenA;
  t.blockLen[kCells - 1] = r.blockLen[kCells - 1] = 1;
  t.blockStart[kCells - 1] = r.blockStart[kCells - 1] = kCells;
  ++t.placedHours;
  ++t.placedPerDay[kDays - 1];
  school.CommonGroupByNo(1)->lessons[2] = static_cast<uint8_t>(b.LessonNo("FİZİK"));
  DeleteClass(school, tenA);
  EXPECT_EQ(t.occupant[kCells - 1], 0);
  EXPECT_EQ(r.occupant[kCells - 1], 0);
  ASSERT_NE(school.CommonGroupByNo(1), nullptr);
  EXPECT_EQ(school.CommonGroupByNo(1)->count, 2);
  EXPECT_TRUE(Consistent(school));
}

// Taking a room out of one lesson frees its cells of that lesson, in the week's last
// cell too, and keeps those of the class's other lesson in the room; a room without a
// timetable (a damaged file set) has no cells to free.
TEST(CascadeRooms, TakingARoomOutOfALessonFreesOnlyThatLessonsCells) {
  SchoolBuilder b;
  b.Room("LAB").Class("9", "A").Hours(1, kHoursPerDay).Teacher("BERNA");
  b.Lesson("FİZİK", 2, "2").Teach().InRoom("LAB");
  b.Lesson("KİMYA", 2, "2").Teach().InRoom("LAB");
  b.Place("9 A", "KİMYA", 2, 1, 1).Place("9 A", "FİZİK", 2, kDays, kHoursPerDay - 1);
  School school = b.Build();
  const int c = b.ClassNo("9 A");
  EXPECT_FALSE(TakeRoomOutOfClassLesson(school, c, b.LessonNo("FİZİK"), 99).empty());
  TakeRoomOutOfClassLesson(school, c, b.LessonNo("FİZİK"), b.RoomNo("LAB"));
  const TRoomGridRec& lab = *school.RoomGridByNo(b.RoomNo("LAB"));
  EXPECT_EQ(lab.occupant[kCells - 1], 0);
  EXPECT_EQ(lab.occupant[0], c);
  EXPECT_TRUE(Consistent(school));
}

// A duty whose place record is gone (a damaged file set) is deleted with no counter
// to lower.
TEST_F(CascadeTest, ADutyOfAPlaceThatIsGoneIsDeleted) {
  AddDuty(school, 9, 2, b.TeacherNo("CEM"));
  EXPECT_FALSE(DeleteDuty(school, 9, 2, b.TeacherNo("CEM")).empty());
  EXPECT_EQ(school.Duties.size(), 2u);
}

// A group of fifteen, as full as a list gets, naming a lesson that is deleted: every
// member goes, and the group with them; nothing past the fifteenth is read.
TEST_F(CascadeTest, DeletingALessonEmptiesAFullGroupNamingIt) {
  TCommonGroupRec full{};
  full.number = 9;
  full.count = kMaxListed;
  for (int k = 0; k < kMaxListed; ++k) {
    full.classes[static_cast<std::size_t>(k)] = static_cast<uint8_t>(k + 1);
    full.lessons[static_cast<std::size_t>(k)] = 200;
  }
  school.CommonGroups.push_back(full);
  school.ReindexCommonGroups();
  DeleteLesson(school, 200);
  EXPECT_EQ(school.CommonGroupByNo(9), nullptr);
}

// A slot past the group's count is no member: taking a room out of the joint lesson
// leaves the room of the class lesson that slot still names.
TEST_F(CascadeTest, TakingARoomOutOfAJointLessonSkipsSlotsPastTheCount) {
  school.CommonGroupByNo(1)->count = 2;  // 10 A's slot is past it
  TakeRoomOutOfClassLesson(school, b.ClassNo("9 A"), b.LessonNo("BEDEN"), b.RoomNo("SALON"));
  EXPECT_EQ(ClassLesson("9 B", "BEDEN").roomCount, 0);
  EXPECT_EQ(ClassLesson("10 A", "BEDEN").roomCount, 1);
}

// Teacher 0 is no teacher: taking it out of a lesson takes no teacher's entry. It
// stood for every teacher where the entries were erased, while no teacher left the
// lesson's list, and the school was left inconsistent (found by the operations fuzzer).
TEST_F(CascadeTest, UnassigningTeacherZeroLeavesTheLessonsTeachers) {
  const std::size_t entries = school.TeacherLessons.size();
  UnassignTeacher(school, 0, b.ClassNo("9 A"), b.LessonNo("MATEMATİK"));
  EXPECT_EQ(school.TeacherLessons.size(), entries);
  EXPECT_TRUE(Consistent(school));
}

TEST_F(CascadeTest, DeletingATeacherTakesItsHoursOutOfEveryTimetable) {
  const int ahmet = b.TeacherNo("AHMET");
  const int tenA = b.ClassNo("10 A");
  const FileSet files = DeleteTeacher(school, ahmet);
  EXPECT_TRUE(files.has(DataFile::kClassGrids));
  EXPECT_TRUE(files.has(DataFile::kDuties));
  EXPECT_EQ(school.TeacherByNo(ahmet), nullptr);
  EXPECT_EQ(school.TeacherGridByNo(ahmet), nullptr);
  // Its 10 A lesson, shared with CEM, is gone from the class and from CEM.
  EXPECT_EQ(PlacedHoursOf(tenA), 1 + 2);  // KİMYA and BEDEN stay
  EXPECT_EQ(school.TeacherGridByNo(b.TeacherNo("CEM"))->placedHours, 1);
  EXPECT_EQ(ClassLesson("10 A", "MATEMATİK").teacherCount, 1);
  EXPECT_EQ(ClassLesson("10 A", "MATEMATİK").teachers[0], b.TeacherNo("CEM"));
  EXPECT_EQ(school.Duties.size(), 1u);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[0], 0);
  // Orders are 1..n again.
  for (std::size_t i = 0; i < school.Teachers.size(); ++i)
    EXPECT_EQ(school.Teachers[i].order, i + 1);
}

TEST_F(CascadeTest, DeletingOneOfTwoMembersDissolvesTheGroup) {
  TakeOutOfCommonGroup(school, b.ClassNo("10 A"), b.LessonNo("BEDEN"));
  // The joint hours went with the membership; the member no longer names the group.
  EXPECT_EQ(ClassLesson("10 A", "BEDEN").commonGroup, 0);
  ASSERT_NE(school.CommonGroupByNo(1), nullptr);
  EXPECT_EQ(school.CommonGroupByNo(1)->count, 2);
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("9 A"), "BEDEN"), 0);
  DeleteClassLesson(school, b.ClassNo("9 B"), b.LessonNo("BEDEN"));
  EXPECT_EQ(school.CommonGroupByNo(1), nullptr);
  EXPECT_EQ(ClassLesson("9 A", "BEDEN").commonGroup, 0);
  EXPECT_EQ(school.ClassLessonAt(b.ClassNo("9 B"), b.LessonNo("BEDEN")), nullptr);
  // The class's other lesson keeps its hours.
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("9 B"), "MATEMATİK"), 2);
  EXPECT_TRUE(Consistent(school));
  // A lesson in no group has nothing to leave: no file changes.
  EXPECT_EQ(TakeOutOfCommonGroup(school, b.ClassNo("9 A"), b.LessonNo("MATEMATİK")), FileSet{});
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("9 A"), "MATEMATİK"), 2);
}

TEST_F(CascadeTest, DeletingARoomRenumbersAndShortensTheLists) {
  DeleteRoom(school, b.RoomNo("LAB"));
  ASSERT_EQ(school.Rooms.size(), 1u);
  EXPECT_EQ(school.Rooms[0].order, 1);
  EXPECT_EQ(ClassLesson("9 A", "FİZİK").roomCount, 0);
  EXPECT_EQ(ClassLesson("10 A", "KİMYA").roomCount, 0);
  EXPECT_EQ(school.RoomGridByNo(b.RoomNo("LAB")), nullptr);
  TakeRoomOutOfClassLesson(school, b.ClassNo("9 A"), b.LessonNo("BEDEN"),
                           b.RoomNo("SALON"));
  EXPECT_EQ(ClassLesson("9 B", "BEDEN").roomCount, 0);  // every member of the group
  EXPECT_EQ(ClassLesson("10 A", "BEDEN").roomCount, 0);
  // The placed lesson leaves the room's timetable and stays in the classes'.
  EXPECT_EQ(school.RoomGridByNo(b.RoomNo("SALON"))->occupant[CellIndex(3, 1) - 1], 0);
  EXPECT_EQ(PlacedHoursOf(b.ClassNo("10 A"), "BEDEN"), 2);
  EXPECT_TRUE(Consistent(school));
}

TEST_F(CascadeTest, DeletingAClassRemovesItsLessonsAndRenumbers) {
  const int nineA = b.ClassNo("9 A");
  DeleteClass(school, nineA);
  EXPECT_EQ(school.ClassGridByNo(nineA), nullptr);
  for (const TClassLessonRec& cl : school.ClassLessons) EXPECT_NE(cl.classNo, nineA);
  for (const TTeacherLessonRec& tl : school.TeacherLessons) EXPECT_NE(tl.classNo, nineA);
  EXPECT_EQ(school.CommonGroupByNo(1)->count, 2);
  EXPECT_EQ(school.Classes[0].order, 1);
  EXPECT_EQ(school.Classes[1].order, 2);
  EXPECT_EQ(school.TeacherGridByNo(b.TeacherNo("BERNA"))->placedHours, 0);
}

TEST_F(CascadeTest, ListsCompactByMovingTheLastEntry) {
  TClassLessonRec cl{};
  cl.teacherCount = 3;
  cl.teachers[0] = 4;
  cl.teachers[1] = 5;
  cl.teachers[2] = 6;
  EXPECT_TRUE(DetachTeacher(cl, 4));
  EXPECT_EQ(cl.teacherCount, 2);
  EXPECT_EQ(cl.teachers[0], 6);
  EXPECT_EQ(cl.teachers[2], 0);
  EXPECT_FALSE(DetachTeacher(cl, 4));
  // The 16th room is refused and the pattern after the list is untouched.
  TClassLessonRec& math =
      *school.ClassLessonAt(b.ClassNo("9 A"), b.LessonNo("MATEMATİK"));
  const auto pattern = math.pattern;
  for (int r = 1; r <= 15; ++r)
    EXPECT_TRUE(AttachRoom(school, 100 + r, math.classNo, math.lesson));
  EXPECT_FALSE(AttachRoom(school, 200, math.classNo, math.lesson));
  EXPECT_FALSE(AttachRoom(school, 101, math.classNo, math.lesson));
  EXPECT_EQ(math.roomCount, 15);
  EXPECT_EQ(math.pattern, pattern);
}

// Runs `work` on a thread of its own. A deletion that never ends cannot be stopped
// from outside, so the watchdog ends the whole test program instead of hanging CI.
void FinishesWithinASecond(const std::function<void()>& work, const char* what) {
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
  std::thread worker([&] {
    work();
    std::lock_guard lock(m);
    done = true;
    cv.notify_one();
  });
  std::unique_lock lock(m);
  if (!cv.wait_for(lock, std::chrono::seconds(1), [&] { return done; })) {
    std::fprintf(stderr, "%s did not finish within a second\n", what);
    std::_Exit(1);
  }
  lock.unlock();
  worker.join();
}

int OccupiedCells(const TTeacherGridRec& g) {
  int n = 0;
  for (uint8_t occupant : g.occupant) n += occupant != 0 ? 1 : 0;
  return n;
}

// DUDIZIR2.LOF of the school above with two more records, as a damaged or imported
// file may hold them: one of class 0 and one of lesson 0, both taught by AHMET.
class DamagedClassLessons : public CascadeTest {
 protected:
  void SetUp() override {
    CascadeTest::SetUp();
    school.WorkFolder = folder.path();
    sound = school.ClassLessons.size();
    ASSERT_TRUE(SaveFiles(school, FileSet::All()).ok());
    Bytes file = testing::ReadBytes(folder.path() / "DUDIZIR2.LOF");
    for (const auto& [classNo, lesson] :
         {std::pair{0, b.LessonNo("MATEMATİK")}, std::pair{b.ClassNo("9 A"), 0}}) {
      TClassLessonRec r{};
      r.classNo = static_cast<uint8_t>(classNo);
      r.lesson = static_cast<uint8_t>(lesson);
      r.teacherCount = 1;
      r.teachers[0] = static_cast<uint8_t>(b.TeacherNo("AHMET"));
      Bytes record(sizeof r);
      std::memcpy(record.data(), &r, sizeof r);
      file.insert(file.end(), record.begin(), record.end());
    }
    testing::WriteBytes(folder.path() / "DUDIZIR2.LOF", file);
    ASSERT_TRUE(LoadSchool(school).ok());
    ASSERT_EQ(school.ClassLessons.size(), sound + 2);
  }

  int Count(const std::function<bool(const TClassLessonRec&)>& match) const {
    return static_cast<int>(
        std::count_if(school.ClassLessons.begin(), school.ClassLessons.end(), match));
  }
  void ExpectTeacherCountersMatchCells() const {
    for (const TTeacherGridRec& g : school.TeacherGrids)
      EXPECT_EQ(g.placedHours, OccupiedCells(g)) << "teacher " << int{g.teacher};
  }

  testing::TempFolder folder;
  std::size_t sound = 0;  // class lessons before the damaged ones
};

TEST_F(DamagedClassLessons, DeletingAClassOrALessonEndsAndErasesThemByValue) {
  const School loaded = school;
  const int nineA = b.ClassNo("9 A");
  const int math = b.LessonNo("MATEMATİK");
  FinishesWithinASecond([&] { DeleteClass(school, nineA); }, "DeleteClass");
  EXPECT_EQ(Count([&](const TClassLessonRec& r) { return r.classNo == nineA; }), 0);
  // The record of class 0 is not the class's; it stays.
  EXPECT_EQ(Count([](const TClassLessonRec& r) { return r.classNo == 0; }), 1);
  ExpectTeacherCountersMatchCells();

  school = loaded;
  FinishesWithinASecond([&] { DeleteLesson(school, math); }, "DeleteLesson");
  EXPECT_EQ(Count([&](const TClassLessonRec& r) { return r.lesson == math; }), 0);
  EXPECT_EQ(Count([](const TClassLessonRec& r) { return r.lesson == 0; }), 1);
  ExpectTeacherCountersMatchCells();

  school = loaded;
  FinishesWithinASecond([&] { DeleteClassLesson(school, 0, math); }, "DeleteClassLesson");
  EXPECT_EQ(school.ClassLessons.size(), sound + 1);
}

TEST_F(DamagedClassLessons, ClassOrLessonZeroNeverTouchesFreeCells) {
  const int ahmet = b.TeacherNo("AHMET");
  const int before = school.TeacherGridByNo(ahmet)->placedHours;
  const DayBytes freeBefore = school.ClassGridByNo(b.ClassNo("9 A"))->freeHours;
  // Every free cell of a teacher holds class 0; none of them is the assignment's hour.
  UnassignTeacher(school, ahmet, 0, b.LessonNo("MATEMATİK"));
  UnassignTeacher(school, ahmet, b.ClassNo("9 A"), 0);
  EXPECT_EQ(school.TeacherGridByNo(ahmet)->placedHours, before);
  EXPECT_EQ(school.ClassGridByNo(b.ClassNo("9 A"))->freeHours, freeBefore);
  ExpectTeacherCountersMatchCells();
}

}  // namespace
}  // namespace kalvodrin
