#include "engine/consistency.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class ConsistencyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Room("LAB")
        .Class("9", "A")
        .Lesson("FİZİK", 4, "2+2")
        .Teacher("ALİ")
        .Teach()
        .InRoom("LAB");
    school = b.Build();
    c = b.ClassNo("9 A");
    physics = b.LessonNo("FİZİK");
    ASSERT_TRUE(
        PlaceBlock(school, *MakeBlock(school, c, physics, 2, CellIndex(2, 3)), nullptr));
    ASSERT_TRUE(CheckConsistency(school).empty());
  }

  // The single problem reported contains every fragment.
  ::testing::AssertionResult Reports(std::initializer_list<std::string_view> fragments) {
    const std::vector<std::string> lines = CheckConsistency(school);
    for (const std::string& line : lines) {
      if (std::all_of(fragments.begin(), fragments.end(), [&](std::string_view f) {
            return line.find(f) != std::string::npos;
          }))
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << "not reported; got:\n";
    for (const std::string& line : lines) failure << line << "\n";
    return failure;
  }

  TTeacherGridRec& Teacher() { return *school.TeacherGridByNo(b.TeacherNo("ALİ")); }
  TClassGridRec& Class() { return *school.ClassGridByNo(c); }
  TRoomGridRec& Room() { return *school.RoomGridByNo(b.RoomNo("LAB")); }

  SchoolBuilder b;
  School school;
  int c = 0, physics = 0;
  const int cell = CellIndex(2, 3);
};

TEST_F(ConsistencyTest, DisagreeingPlanesAreReportedWithTheRecordAndCell) {
  Teacher().blockLen[cell - 1] = 1;
  EXPECT_TRUE(Reports({"sınıf 1", "SALI 3. saat", "öğretmen 1"}));
  Teacher().blockLen[cell - 1] = 2;
  Room().occupant[cell] = 0;
  Room().blockLen[cell] = 0;
  Room().blockStart[cell] = 0;
  EXPECT_TRUE(Reports({"SALI 4. saat", "derslik 1"}));
}

TEST_F(ConsistencyTest, BlocksMustBeOneRunOnOneDay) {
  Class().blockLen[cell - 1] = 40;  // past the end of the day
  EXPECT_TRUE(Reports({"sınıf 1", "hücreyi kapsamıyor"}));
  Class().blockLen[cell - 1] = 3;
  Class().blockLen[cell] = 3;
  // The run it claims, first to last cell.
  const std::string run = std::to_string(cell) + ".." + std::to_string(cell + 2);
  EXPECT_TRUE(Reports({"blok " + run + " tek parça değil"}));
}

// An hour of the block holding another lesson under the block's own link breaks the
// block as much as a wrong link does.
TEST_F(ConsistencyTest, AnotherLessonInsideTheBlockIsReported) {
  Class().occupant[cell] = 99;
  EXPECT_TRUE(Reports({"sınıf 1", "tek parça değil"}));
}

// 9 A and 9 B take BEDEN together, placed on Monday's first two hours; 9 B takes TARİH
// too.
class ConsistencyCommonLessons : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Class("9", "A").Lesson("BEDEN", 2, "2").Class("9", "B").Lesson("BEDEN", 2, "2");
    b.Lesson("TARİH", 2, "2");
    b.Common({"9 A", "9 B"}, "BEDEN").Teacher("DERYA").Teach().Place("9 A", "BEDEN", 2, 1, 1);
    school = b.Build();
    ASSERT_TRUE(CheckConsistency(school).empty());
  }
  bool Reported(std::string_view fragment) {
    const std::vector<std::string> lines = CheckConsistency(school);
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.find(fragment) != std::string::npos;
    });
  }
  SchoolBuilder b;
  School school;
};

TEST_F(ConsistencyCommonLessons, AMemberHoldingAnotherLessonInTheJointBlockIsReported) {
  school.ClassGridByNo(b.ClassNo("9 B"))->occupant[0] = static_cast<uint8_t>(b.LessonNo("TARİH"));
  EXPECT_TRUE(Reported("aynı dersi aynı blokta tutmuyor"));
}

// A class lesson naming the group is its member only where one of the group's first
// `count` slots names both its class and its lesson.
TEST_F(ConsistencyCommonLessons, AMemberIsOneOfTheCountedSlotsWithClassAndLesson) {
  TCommonGroupRec& g = *school.CommonGroupByNo(1);
  const std::string notCounted = "sınıf " + std::to_string(b.ClassNo("9 B")) + " ders " +
                                 std::to_string(b.LessonNo("BEDEN")) +
                                 ": ortak ders grubu 1 onu üye saymıyor";
  g.lessons[1] = static_cast<uint8_t>(b.LessonNo("TARİH"));  // 9 B, another lesson
  EXPECT_TRUE(Reported(notCounted));
  g.lessons[1] = static_cast<uint8_t>(b.LessonNo("BEDEN"));
  g.count = 1;  // 9 B's slot is past the count
  EXPECT_TRUE(Reported(notCounted));
}

TEST_F(ConsistencyTest, CellsHoldingWhatNobodyTakesAreReported) {
  Class().occupant[0] = 99;
  Class().blockLen[0] = 1;
  Class().blockStart[0] = 1;
  EXPECT_TRUE(Reports({"sınıfın almadığı ders 99"}));
  Teacher().occupant[79] = 7;
  Teacher().blockLen[79] = 1;
  Teacher().blockStart[79] = 80;
  EXPECT_TRUE(Reports({"öğretmen 1", "CUMA 16. saat", "sınıf 7"}));
  Room().blockStart[50] = 9;  // a free cell with a block start
  EXPECT_TRUE(Reports({"derslik 1", "boş hücrede"}));
  Room().occupant[79] = static_cast<uint8_t>(c);
  Room().blockLen[79] = 1;
  Room().blockStart[79] = 80;
  EXPECT_TRUE(Reports({"derslik 1", "CUMA 16. saat", "bu dersliği kullanmıyor"}));
}

TEST_F(ConsistencyTest, CountersThatDisagreeWithThePlanesAreReported) {
  Teacher().placedHours = 3;
  EXPECT_TRUE(Reports({"öğretmen 1", "yerleşen saat sayacı 3", "programda 2"}));
  Teacher().placedHours = 2;
  Teacher().placedPerDay[1] = 1;
  EXPECT_TRUE(Reports({"günlük"}));
  Teacher().placedPerDay[1] = 2;
  Class().freeHours[1] = 6;
  EXPECT_TRUE(Reports({"SALI", "boş saat sayacı 6", "olması gereken 4"}));
}

TEST_F(ConsistencyTest, NumbersThatNameNothingAreReported) {
  TClassLessonRec& cl = *school.ClassLessonAt(c, physics);
  cl.rooms[1] = 42;
  cl.roomCount = 2;
  // Each line names the record it is about in full.
  const std::string classLesson =
      "sınıf " + std::to_string(c) + " ders " + std::to_string(physics) + ": ";
  EXPECT_TRUE(Reports({classLesson + "derslik 42 yok"}));
  cl.roomCount = 1;
  school.TeacherLessons.push_back(
      {9, static_cast<uint8_t>(c), static_cast<uint8_t>(physics)});
  EXPECT_TRUE(Reports({"öğretmen 9", "öğretmen yok"}));
  school.TeacherLessons.pop_back();
  cl.commonGroup = 5;
  EXPECT_TRUE(Reports({classLesson + "ortak ders grubu 5 yok"}));
  cl.commonGroup = 0;
  school.Duties.push_back({3, 1, 1});
  EXPECT_TRUE(Reports({"nöbet (yer 3, gün 1, öğretmen 1): nöbet yeri yok"}));
  school.Duties = {{3, 0, 1}, {3, 8, 1}};
  EXPECT_TRUE(Reports({"gün 0, öğretmen 1): gün 1..7 dışında"}));
  EXPECT_TRUE(Reports({"gün 8, öğretmen 1): gün 1..7 dışında"}));
  school.Duties = {{3, 7, 1}};
  EXPECT_FALSE(Reports({"gün 1..7 dışında"}));
  school.Duties.clear();
  school.ClassGrids.push_back(school.ClassGrids.front());
  school.ClassGrids.back().classNo = 30;
  school.ReindexClassGrids();
  EXPECT_TRUE(Reports({"sınıf 30", "sınıfı yok"}));
}

// Entries that differ from the class lesson's in the teacher, the class or the lesson
// alone do not count as its teaching.
TEST_F(ConsistencyTest, ListedTeachersMustTeachTheClassLesson) {
  const auto ali = static_cast<uint8_t>(b.TeacherNo("ALİ"));
  const auto cls = static_cast<uint8_t>(c);
  const auto lesson = static_cast<uint8_t>(physics);
  school.TeacherLessons = {{static_cast<uint8_t>(ali + 1), cls, lesson},
                           {ali, static_cast<uint8_t>(cls + 1), lesson},
                           {ali, cls, static_cast<uint8_t>(lesson + 1)}};
  const std::string missing = "öğretmen " + std::to_string(ali) + " listede, ders dağıtımında yok";
  EXPECT_TRUE(Reports({missing}));
  school.TeacherLessons.push_back({ali, cls, lesson});
  for (const std::string& line : CheckConsistency(school))
    EXPECT_EQ(line.find(missing), std::string::npos) << line;
}

}  // namespace
}  // namespace kalvodrin
