#include "school_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include "core/cells.h"
#include "core/ordering.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/turkish_text.h"
#include "engine/hour_operations.h"

namespace kalvodrin::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("kalvodrin-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string Cp(std::string_view utf8) {
  const auto text = Utf8ToCp1254(utf8);
  EXPECT_TRUE(text.has_value()) << utf8;
  return text.value_or("");
}

Bytes ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::unique_ptr<School> NewSchool(const std::filesystem::path& folder) {
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  return school;
}

std::unique_ptr<School> SampleSchool(const std::filesystem::path& folder) {
  auto school = NewSchool(folder);
  School& s = *school;
  AddLessonGroup(s, 1, Cp("SAYISAL"));
  AddLessonGroup(s, 2, Cp("SÖZEL"));
  AddLesson(s, 1, Cp("MATEMATİK"), "MAT", 1, 5, ParsePattern(5, "2+2+1").blocks, 1);
  AddLesson(s, 2, Cp("TÜRKÇE"), Cp("TÜR"), 2, 4, ParsePattern(4, "2+2").blocks, 0);
  AddLesson(s, 3, Cp("BEDEN EĞİTİMİ"), "BED", 0, 2, ParsePattern(2, "2").blocks, 0);
  AddLesson(s, 4, Cp("FİZİK"), Cp("FİZ"), 1, 3, ParsePattern(3, "2+1").blocks, 1);
  SortLessons(s);
  AddClass(s, 1, "9", "A");
  AddClass(s, 2, "10", "B");
  s.ReindexClasses();
  AddRoom(s, 1, Cp("SPOR SALONU"));
  s.ReindexRooms();
  AddTeacher(s, 1, Cp("AYŞE YILMAZ"), "MATEMATİK", "9-A", Cp("SATRANÇ"));
  AddTeacher(s, 2, Cp("MEHMET ÖZ"), Cp("TÜRKÇE"), "", "");
  s.ReindexTeachers();
  for (int c = 1; c <= 2; ++c)
    for (int l = 1; l <= 4; ++l) {
      AddClassLesson(s, c, l);
      PlaceClassLesson(s, c, l);
    }
  AddTeacherLesson(s, 1, 1, 1);
  AddTeacherLesson(s, 1, 2, 1);
  AddTeacherLesson(s, 2, 1, 2);
  s.ClassLessonAt(1, 3)->rooms[0] = 1;
  s.ClassLessonAt(1, 3)->roomCount = 1;
  AddCommonGroup(s, 1);
  s.ReindexCommonGroups();
  AddCommonMember(s, 1, 1, 3);
  AddCommonMember(s, 1, 2, 3);
  AddDutyPlace(s, 1, Cp("BAHÇE"));
  s.ReindexDutyPlaces();
  AddDuty(s, 1, 2, 1);
  for (int t = 1; t <= 2; ++t) NewTeacherGrid(s, t);
  for (int c = 1; c <= 2; ++c) NewClassGrid(s, c);
  NewRoomGrid(s, 1);
  s.ReindexTeacherGrids();
  s.ReindexClassGrids();
  s.ReindexRoomGrids();
  // Placed as a window places it, counters and block planes with it, so that the
  // school passes the consistency check as saved, backed up and restored.
  EXPECT_TRUE(PlaceOneHour(s, CellIndex(1, 1), 1, 1));
  s.Annex.bytes[1] = 1;
  s.Settings.schoolName.assign(Cp("ATATÜRK LİSESİ"));
  s.Settings.startTimes[0].assign("08:30");
  s.Settings.pageLength.set(-5);
  return school;
}

}  // namespace kalvodrin::testing
