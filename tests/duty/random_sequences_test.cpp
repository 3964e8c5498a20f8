// Seeded random sequences of giving, removing, clearing duties and of creating and
// deleting places and teachers: after every step each place's day counters equal its
// duty records and no duty names a place or teacher that is gone; the duty files
// written after the steps read back and write again byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "core/storage.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "duty_test_support.h"
#include "engine/cascade.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

class Sequence {
 public:
  Sequence(School& school, unsigned seed) : school_(school), random_(seed) {}

  int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }

  // A number in use most of the time, sometimes one that is not.
  int AnyPlace() {
    if (school_.DutyPlaces.empty() || Pick(0, 9) == 0) return Pick(1, 12);
    return school_.DutyPlaces[Index(school_.DutyPlaces.size())].number;
  }
  int AnyTeacher() {
    if (school_.Teachers.empty() || Pick(0, 9) == 0) return Pick(1, 12);
    return school_.Teachers[Index(school_.Teachers.size())].number;
  }

  void Step() {
    switch (Pick(0, 19)) {
      case 0: RemoveAllDuties(school_); break;
      case 1: DeleteDutyPlaceFromList(school_, AnyPlace()); break;
      case 2:
        SaveNewDutyPlace(school_, std::string(static_cast<std::size_t>(Pick(1, 25)), 'Y'));
        break;
      case 3:
        if (school_.Teachers.size() > 1) DeleteTeacher(school_, AnyTeacher());
        break;
      case 4:
      case 5:
      case 6:
      case 7:
      case 8:
        if (!school_.Duties.empty()) {
          const TDutyRec d = school_.Duties[Index(school_.Duties.size())];
          RemoveDuty(school_, d.place, d.day, d.teacher);
        } else {
          RemoveDuty(school_, AnyPlace(), Pick(1, 7), AnyTeacher());
        }
        break;
      default: GiveDuty(school_, AnyPlace(), Pick(0, 8), AnyTeacher());
    }
  }

 private:
  std::size_t Index(std::size_t size) {
    return static_cast<std::size_t>(Pick(0, static_cast<int>(size) - 1));
  }

  School& school_;
  std::mt19937 random_;
};

bool NoDanglingDuty(const School& school) {
  for (const TDutyRec& d : school.Duties)
    if (school.DutyPlaceByNo(d.place) == nullptr || school.TeacherByNo(d.teacher) == nullptr)
      return false;
  return true;
}

School StartingSchool() {
  SchoolBuilder b;
  for (const char* t : {"ALİ", "AYŞE", "CEM", "DERYA", "EMRE", "FATMA", "GÜL", "HAKAN"})
    b.Teacher(t);
  School school = b.Build();
  for (const char* p : {"BAHÇE", "ZEMİN KAT", "BİRİNCİ KAT", "KANTİN"})
    SaveNewDutyPlace(school, Cp(p));
  return school;
}

TEST(DutyRandomSequences, CountersFollowTheRecordsAndFilesRoundTrip) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    School school = StartingSchool();
    Sequence sequence(school, seed);
    for (int step = 0; step < 500; ++step) {
      sequence.Step();
      ASSERT_TRUE(CountersMatchRecords(school)) << "step " << step;
      ASSERT_TRUE(NoDanglingDuty(school)) << "step " << step;
    }
    testing::TempFolder first, second;
    school.WorkFolder = first.path();
    const FileSet files{DataFile::kDutyPlaces, DataFile::kDuties};
    ASSERT_TRUE(SaveFiles(school, files).ok());
    School loaded;
    loaded.WorkFolder = first.path();
    ASSERT_TRUE(LoadDutyPlaces(loaded).ok());
    ASSERT_TRUE(LoadDuties(loaded).ok());
    loaded.ReindexDutyPlaces();
    EXPECT_TRUE(CountersMatchRecords(loaded));
    loaded.WorkFolder = second.path();
    ASSERT_TRUE(SaveFiles(loaded, files).ok());
    for (const char* file : {"DUDIZIR4.LOF", "DUDIZIR5.LOF"})
      EXPECT_EQ(testing::ReadBytes(first.path() / file), testing::ReadBytes(second.path() / file))
          << file;
    EXPECT_EQ(testing::ReadBytes(first.path() / "DUDIZIR5.LOF").size(), 3 * school.Duties.size());
  }
}

}  // namespace
}  // namespace kalvodrin
