// The bundled sample school: what it holds, that it is sound, and that the committed
// data files are exactly what the generator makes today.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <set>

#include "core/damage_check.h"
#include "core/data_files.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "engine/consistency.h"
#include "generator/curriculum.h"
#include "generator/sample_school.h"
#include "sample_checks.h"

namespace kalvodrin::testing {
namespace {

class SampleSchoolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    school_ = new School;
    BuildSampleSchool(*school_);
  }
  static void TearDownTestSuite() {
    delete school_;
    school_ = nullptr;
  }
  static const School& school() { return *school_; }

 private:
  static School* school_;
};
School* SampleSchoolTest::school_ = nullptr;

TEST_F(SampleSchoolTest, IsConsistentAndFeasible) {
  ExpectConsistent(school());
  ExpectFeasible(school());
  // The program's own checks agree.
  EXPECT_TRUE(CheckConsistency(school()).empty());
  EXPECT_TRUE(FindDamage(school(), TailBytes{}).empty());
}

TEST_F(SampleSchoolTest, IsAnAnadoluHighSchoolOfTwentyFourClasses) {
  const School& s = school();
  const Figures f = FiguresOf(s);
  EXPECT_EQ(f.classes, 24);
  // Each class is named as the school writes it, "9-A": the teacher timetable shows
  // only the name, and must tell 9-A from 9-B. The upper grades' section is the track.
  std::set<std::string> names;
  for (const TClassRec& c : s.Classes)
    names.insert(Cp1254ToUtf8(c.name.view()) + " " + Cp1254ToUtf8(c.section.view()));
  for (const char* grade : {"9", "10", "11", "12"})
    for (const char* section : {"A", "B", "C", "D", "E", "F"}) {
      const std::string name = std::string(grade) + "-" + section;
      const bool upper = grade[0] == '1' && grade[1] >= '1';
      const std::string track = !upper ? "" : section[0] <= 'D' ? "SAY" : "EA";
      EXPECT_EQ(names.count(name + " " + track), 1u) << name;
    }
  EXPECT_EQ(f.afternoonClasses, 6);
  for (int h : f.classHours) {
    EXPECT_GE(h, 39);
    EXPECT_LE(h, 40);
  }
  EXPECT_EQ(f.totalHours, std::accumulate(f.classHours.begin(), f.classHours.end(), 0));
  EXPECT_GE(f.teachers, 42);
  EXPECT_LE(f.teachers, 50);
  for (int load : f.teacherLoads) {
    EXPECT_GE(load, 12);
    EXPECT_LE(load, 25);
  }
}

TEST_F(SampleSchoolTest, HasTheHardPartsOfARealSchool) {
  const School& s = school();
  const Figures f = FiguresOf(s);
  EXPECT_GE(f.commonGroups, 3);
  EXPECT_GE(f.twoTeacherLessons, 3);
  EXPECT_GE(f.closedDayTeachers, 5);
  EXPECT_GE(s.Rooms.size(), 6u);
  EXPECT_EQ(s.LessonGroups.size(), 2u);
  EXPECT_GE(s.DutyPlaces.size(), 4u);
  EXPECT_EQ(s.Duties.size(), s.Teachers.size());
  for (const TLessonGroupRec& g : s.LessonGroups)
    EXPECT_GE(std::count_if(s.Lessons.begin(), s.Lessons.end(),
                            [&](const TLessonRec& l) { return l.group == g.number; }),
              2);
  for (int load : f.roomLoads) EXPECT_GT(load, 0);
  const TSettingsRec& st = s.Settings;
  EXPECT_EQ(Cp1254ToUtf8(s.LessonByNo(st.guidanceLesson)->name.view()), "REHBERLİK VE YÖNLENDİRME");
  EXPECT_EQ(st.guidanceDayMorning, 4);
  EXPECT_EQ(st.guidanceHourMorning, 7);
  EXPECT_EQ(st.guidanceDayAfternoon, 4);
  EXPECT_EQ(st.guidanceHourAfternoon, 14);
  EXPECT_EQ(Cp1254ToUtf8(st.schoolName.view()), "CUMHURİYET ANADOLU LİSESİ");
  // A closed day is a whole weekday, never the guidance day.
  for (const TTeacherGridRec& g : s.TeacherGrids)
    for (int day = 1; day <= 5; ++day) {
      const auto begin = g.open.begin() + (day - 1) * 16;
      const auto closed = std::count(begin, begin + 16, 0);
      EXPECT_TRUE(closed == 0 || (closed == 16 && day != 4)) << int{g.teacher};
    }
}

TEST_F(SampleSchoolTest, PatternsSplitLessonsIntoSensibleBlocks) {
  for (const TLessonRec& l : school().Lessons) {
    const auto p = l.pattern;
    switch (l.weeklyHours) {
      case 6: EXPECT_EQ(p, (std::array<uint8_t, 5>{2, 2, 2, 0, 0})); break;
      case 5: EXPECT_EQ(p, (std::array<uint8_t, 5>{2, 2, 1, 0, 0})); break;
      case 4: EXPECT_EQ(p, (std::array<uint8_t, 5>{2, 2, 0, 0, 0})); break;
      case 2: EXPECT_TRUE(p[0] == 2 || (p[0] == 1 && p[1] == 1)); break;
      default: EXPECT_EQ(l.weeklyHours, 1);
    }
  }
}

// A text too long for its field would have been cut without a word.
TEST_F(SampleSchoolTest, NoTextWasCut) {
  const School& s = school();
  for (int i = 0; i < samples::kLessonCount; ++i) {
    const samples::LessonDef& d = samples::LessonOf(static_cast<samples::LessonId>(i));
    const TLessonRec* l = s.LessonByNo(i + 1);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(Cp1254ToUtf8(l->name.view()), d.name);
    EXPECT_EQ(Cp1254ToUtf8(l->shortName.view()), d.shortName);
  }
  std::set<std::string> branches, rooms;
  for (int b = 0; b < samples::kBranchCount; ++b)
    branches.insert(std::string(samples::BranchName(static_cast<samples::Branch>(b))));
  for (int k = 1; k < samples::kRoomKindCount; ++k)
    rooms.insert(std::string(samples::RoomName(static_cast<samples::RoomKind>(k))));
  for (const TTeacherRec& t : s.Teachers) EXPECT_EQ(branches.count(Cp1254ToUtf8(t.branch.view())), 1u);
  for (const TRoomRec& r : s.Rooms) EXPECT_EQ(rooms.count(Cp1254ToUtf8(r.name.view())), 1u);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The committed files never drift from the generator: rebuild them with
// kalvodrin-make-sample examples/sample-school when the generator changes.
TEST_F(SampleSchoolTest, CommittedFilesAreWhatTheGeneratorMakes) {
  std::vector<std::string> committed;
  for (const DataFileInfo& info : kDataFiles) {
    const auto path = std::filesystem::path(KALVODRIN_SAMPLE_DIR) / std::string(info.name);
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    committed.push_back(ReadFile(path));
  }
  ExpectSameImages(committed, FileImages(school()));
}

TEST_F(SampleSchoolTest, CommittedFolderLoadsAsTheSameSchool) {
  // Loading creates missing files; the source tree must not gain any.
  for (const DataFileInfo& info : kDataFiles)
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(KALVODRIN_SAMPLE_DIR) /
                                        std::string(info.name)));
  auto loaded = std::make_unique<School>();
  loaded->WorkFolder = KALVODRIN_SAMPLE_DIR;
  TailBytes tails{};
  ASSERT_TRUE(LoadSchool(*loaded, &tails).ok());
  for (std::size_t t : tails) EXPECT_EQ(t, 0u);
  ExpectSameImages(FileImages(*loaded), FileImages(school()));
  ExpectConsistent(*loaded);
}

}  // namespace
}  // namespace kalvodrin::testing
