// Writes the seed corpus of every fuzz target from the first classes of the bundled
// sample school and of the real schools of the benchmarks (small inputs run many times
// faster than whole schools):
//   fuzz_seeds OUT    makes OUT/<target>/ for each target.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "core/data_files.h"
#include "core/file_set_save.h"
#include "core/school_json.h"
#include "core/storage.h"
#include "fuzz_support.h"
#include "shell/backup.h"
#include "vel_files.h"

using namespace kalvodrin;
namespace fs = std::filesystem;

namespace {

Bytes Picked(uint8_t pick, const Bytes& content) {
  Bytes out{pick};
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

int32_t PatternInteger(const std::array<uint8_t, 5>& pattern) {
  int32_t value = 0;
  for (uint8_t b : pattern)
    if (b != 0) value = value * 10 + b % 10;
  return value;
}

// The school as the predecessor program would have kept it.
std::vector<Bytes> PredecessorFiles(const School& s) {
  std::vector<Bytes> files(7);
  for (const auto& l : s.Lessons)
    testing::VelLesson(files[0], l.number, l.name.view(), l.shortName.view(), l.weeklyHours,
                       l.divisible, PatternInteger(l.pattern));
  for (const auto& c : s.Classes)
    testing::VelClass(files[1], c.number, c.name.view(), c.section.view());
  for (const auto& t : s.Teachers)
    testing::VelTeacher(files[2], t.number, t.name.view(), t.branch.view(), t.classTeacherOf.view(),
                        t.club.view());
  for (const auto& cl : s.ClassLessons)
    testing::VelClassLesson(files[3], cl.classNo, cl.lesson, cl.divisible,
                            PatternInteger(cl.pattern));
  for (const auto& tl : s.TeacherLessons)
    testing::VelTeacherLesson(files[4], tl.teacher, tl.classNo, tl.lesson);
  for (const auto& g : s.ClassGrids) {
    uint8_t first[5], last[5];
    for (int d = 0; d < 5; ++d) first[d] = g.firstHour[d], last[d] = g.lastHour[d];
    testing::VelClassGrid(files[5], g.classNo, first, last);
  }
  for (const auto& g : s.TeacherGrids)
    testing::VelTeacherGrid(
        files[6], g.teacher, [&](int cell) { return g.open[cell - 1]; },
        [&](int cell) { return g.occupant[cell - 1]; });
  return files;
}

void Put(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  fuzz::WriteFileBytes(folder / name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: fuzz_seeds OUT\n", stderr);
    return 2;
  }
  const fs::path out = argv[1];
  std::mt19937 random(1);
  const std::vector<std::unique_ptr<School>>& schools = fuzz::SmallSchools();
  for (std::size_t k = 0; k < schools.size(); ++k) {
    const School& school = *schools[k];
    const std::string tag = fuzz::SeedSchools()[k].filename().string();
    std::vector<Bytes> parts;
    for (std::size_t i = 0; i < kDataFileCount; ++i) {
      const Bytes file = DataFileImage(school, kDataFiles[i].file);
      Put(out / "data_file", tag + "-" + std::to_string(i), Picked(uint8_t(i), file));
      parts.push_back(Picked(uint8_t(i), file));
    }
    Put(out / "folder", tag, fuzz::JoinParts(parts));
    // A save of two files stopped after its list was written and one file was put in
    // place: the old lessons set aside, the new teachers still beside the old ones.
    parts.push_back(
        Picked(uint8_t(2 * kDataFileCount + 1), DataFileImage(school, DataFile::kLessons)));
    parts.push_back(
        Picked(uint8_t(kDataFileCount + 4), DataFileImage(school, DataFile::kTeachers)));
    const std::string list = "DERSLER.LOF\nOGRETMEN.LOF\n";
    parts.push_back(Picked(uint8_t(3 * kDataFileCount), Bytes(list.begin(), list.end())));
    Put(out / "folder", tag + "-half-saved", fuzz::JoinParts(parts));
    const std::string json = SchoolJsonText(school);
    Put(out / "from_json", tag + ".json", Bytes(json.begin(), json.end()));
    Put(out / "import", tag, fuzz::JoinParts(PredecessorFiles(school)));
    for (int n = 0; n < 8; ++n) {
      Bytes ops{uint8_t(k)};
      for (int i = 0; i < 400; ++i) ops.push_back(uint8_t(random()));
      Put(out / "operations", tag + "-" + std::to_string(n), ops);
      Bytes choices;
      for (int i = 0; i < 200; ++i) choices.push_back(uint8_t(random()));
      Put(out / "import_hostile", tag + "-" + std::to_string(n), choices);
      Put(out / "completion", tag + "-" + std::to_string(n), choices);
    }
    // Changes to the whole backup the target starts from: this school's teachers in
    // it, the same still beside the old ones as a backup a crash stopped leaves them,
    // and the lessons taken away.
    const NamedFiles images = BackupImages(school);
    std::vector<Bytes> backup{Picked(uint8_t(5), images[5].bytes)};
    Put(out / "restore", tag, fuzz::JoinParts(backup));
    backup = {Picked(uint8_t(kBackupSet.size() + 5), images[5].bytes)};
    const std::string backupList = std::string(kBackupSet[5].name) + "\n";
    backup.push_back(
        Picked(uint8_t(3 * kBackupSet.size()), Bytes(backupList.begin(), backupList.end())));
    Put(out / "restore", tag + "-half-saved", fuzz::JoinParts(backup));
    Put(out / "restore", tag + "-lessons-gone", Bytes{uint8_t(0x80)});
  }
  return 0;
}
