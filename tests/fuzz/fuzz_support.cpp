#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/damage_check.h"
#include "core/duty_chart.h"
#include "core/school_json.h"
#include "curriculum/curriculum_rows.h"
#include "duty/duty_places.h"
#include "duty/duty_rows.h"
#include "engine/cascade.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "masterdata/list_rows.h"
#include "scheduler/placement_run.h"
#include "scheduler/unplaced_report.h"
#include "staffing/staffing_rows.h"
#include "timetables/painters.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin::fuzz {
namespace {

class BudgetObserver : public RunObserver {
 public:
  explicit BudgetObserver(long steps) : steps_(steps) {}
  int OnSearchStep(const RunProgress& p) override {
    last_ = p.searchSteps;
    return p.searchSteps >= steps_ ? kStopRun : kNoStop;
  }
  long last() const { return last_; }

 private:
  long steps_;
  long last_ = 0;
};

template <typename Rows>
std::size_t CellCount(const Rows& rows) {
  std::size_t n = 0;
  for (const auto& row : rows) n += row.cells.size();
  return n;
}

}  // namespace

std::vector<Bytes> SplitParts(const uint8_t* data, std::size_t size) {
  // Searching for the separator, not comparing it at every byte: the comparisons ran
  // through the sanitizer's memcmp hook one byte of input at a time.
  const std::string_view in(reinterpret_cast<const char*>(data), size);
  std::vector<Bytes> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = in.find(kPartSeparator, from);
    const std::size_t end = at == std::string_view::npos ? size : at;
    parts.emplace_back(data + from, data + end);
    if (at == std::string_view::npos) return parts;
    from = at + kPartSeparator.size();
  }
}

Bytes JoinParts(const std::vector<Bytes>& parts) {
  Bytes out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.insert(out.end(), kPartSeparator.begin(), kPartSeparator.end());
    out.insert(out.end(), parts[i].begin(), parts[i].end());
  }
  return out;
}

Bytes ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::filesystem::path> SeedSchools() {
  const std::filesystem::path source = KALVODRIN_SOURCE_DIR;
  return {source / "examples/sample-school", source / "bench/schools/br-eeblj-diurno",
          source / "bench/schools/na-havana-ps-2016"};
}

std::unique_ptr<School> LoadFolder(FileSystem& disk, const std::filesystem::path& folder,
                                   TailBytes* tails) {
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  if (!LoadSchoolWithoutWriting(*school, disk, tails)) return nullptr;
  return school;
}

std::unique_ptr<School> LoadFolder(const std::filesystem::path& folder, TailBytes* tails) {
  LocalFileSystem disk;
  return LoadFolder(disk, folder, tails);
}

std::unique_ptr<School> FirstClasses(const School& whole, std::size_t classes) {
  auto s = std::make_unique<School>(whole);
  // Through the deletions' own cascades, so that what is left is as consistent as the
  // whole school was.
  while (s->Classes.size() > classes) DeleteClass(*s, s->Classes.back().number);
  std::vector<int> idle;
  for (const TTeacherRec& t : s->Teachers)
    if (std::none_of(s->TeacherLessons.begin(), s->TeacherLessons.end(),
                     [&](const TTeacherLessonRec& r) { return r.teacher == t.number; }))
      idle.push_back(t.number);
  for (int teacher : idle) DeleteTeacher(*s, teacher);
  CountAllHours(*s);  // the recount every caller of the cascades makes
  return s;
}

const std::vector<std::unique_ptr<School>>& SmallSchools() {
  static const std::vector<std::unique_ptr<School>> schools = [] {
    std::vector<std::unique_ptr<School>> small;
    for (const std::filesystem::path& folder : SeedSchools()) {
      const std::unique_ptr<School> whole = LoadFolder(folder);
      if (whole == nullptr) Fail("load", folder.string());
      small.push_back(FirstClasses(*whole));
      small.back()->WorkFolder = kWorkFolder;
    }
    return small;
  }();
  return schools;
}

std::vector<Bytes> SchoolImage(const School& school) {
  std::vector<Bytes> image;
  for (const DataFileInfo& info : kDataFiles) image.push_back(DataFileImage(school, info.file));
  return image;
}

std::string Choices::Text(std::size_t maxLength) {
  std::string text;
  const std::size_t length = Byte() % (maxLength + 1);
  for (std::size_t i = 0; i < length && !empty(); ++i) {
    // Mostly Turkish capitals and digits as typed, now and then any byte.
    const uint8_t b = Byte();
    static constexpr std::string_view kTyped = "ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ0123456789 +-";
    text += b < 200 ? kTyped[b % kTyped.size()] : static_cast<char>(b);
  }
  return text;
}

uint32_t InputHash(const uint8_t* data, std::size_t size) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  // Its low bits depend only on the bytes' low bits: mixed, every bit counts in all.
  hash ^= hash >> 16;
  hash *= 0x85ebca6bu;
  hash ^= hash >> 13;
  hash *= 0xc2b2ae35u;
  return hash ^ hash >> 16;
}

namespace {

std::size_t CheckedLines(const School& school, const TailBytes& tails) {
  std::size_t seen = 0;
  for (const Damage& d : FindDamage(school, tails)) seen += DamageLine(d).size();
  for (const std::string& line : CheckConsistency(school)) seen += line.size();
  return seen;
}

}  // namespace

void CheckLoadedSchool(const School& school, const TailBytes& tails) {
  if (CheckedLines(school, tails) == 0) std::fputs("", stderr);  // kept from being optimised away
}

void ExerciseLoadedSchool(School& school, const TailBytes& tails, bool json, long runSteps) {
  std::size_t seen = CheckedLines(school, tails);
  if (json) seen += SchoolJsonText(school).size();
  seen += CellCount(LessonGroupRows(school)) + CellCount(LessonRows(school)) +
          CellCount(ClassRows(school)) + CellCount(RoomRows(school)) +
          CellCount(TeacherRows(school)) + CellCount(ClassHoursRows(school)) +
          CellCount(PoolRows(school)) + CellCount(CommonGroupRows(school)) +
          CellCount(TeacherPickRows(school)) + CellCount(UnassignedRows(school)) +
          CellCount(RoomLoadRows(school)) + CellCount(DutyPlaceRows(school)) +
          CellCount(DutyTeacherRows(school));
  for (const auto& c : school.Classes) {
    seen += CellCount(ClassLessonRows(school, c.number));
    TimetableSelection sel;
    sel.classNo = c.number;
    for (int cell = 1; cell <= kCells; ++cell)
      seen += PaintClassCell(school, sel, cell).text.size();
  }
  for (const auto& t : school.Teachers) {
    seen += CellCount(TeacherLessonRows(school, t.number));
    TimetableSelection sel;
    sel.teacher = t.number;
    for (int cell = 1; cell <= kCells; ++cell)
      seen += PaintTeacherCell(school, sel, cell).text.size();
  }
  for (const auto& r : school.Rooms) {
    TimetableSelection sel;
    sel.room = r.number;
    for (int cell = 1; cell <= kCells; ++cell) seen += PaintRoomCell(school, sel, cell).text.size();
  }
  seen += BuildUnplacedReport(school).rows.size() + DutyChartOf(school).size();
  if (seen == 0) std::fputs("", stderr);  // keeps the calls from being optimised away
  if (runSteps > 0) RunWithStepBudget(school, runSteps);
}

long RunWithStepBudget(School& school, long steps, int teacher, int classNo, int lesson, int cell) {
  BudgetObserver budget(steps);
  PlacementRun run(school, &budget);
  if (cell != 0)
    run.RunAtCell(teacher, classNo, lesson, cell);
  else if (teacher != 0)
    run.RunForTeacher(teacher);
  else
    run.RunWholeSchool();
  return budget.last();
}

std::vector<char*> WithRarestFeaturesOnly(int argc, char** argv) {
  static char rarest[] = "-entropic_feature_frequency_threshold=1";
  std::vector<char*> args(argv, argv + argc);
  args.insert(args.begin() + (args.empty() ? 0 : 1), rarest);
  args.push_back(nullptr);
  return args;
}

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace kalvodrin::fuzz

// The sanitizer's own defaults cost the fuzz targets more than the code they test:
// every allocation recorded 30 frames of its caller, and freed memory waited in a
// 256 MiB quarantine, so that each input's allocations touched fresh pages the kernel
// had to zero. A use after free is still caught within the last 16 MiB freed, many
// inputs' worth. No allocation records its caller: even eight frames, looked up and
// stored for each of the thousand allocations an input makes, were a tenth of the
// time. A report still shows where the fault happened; replaying its input with
// ASAN_OPTIONS=malloc_context_size=30 also shows where the memory was allocated and
// freed. ASAN_OPTIONS set in the environment override these.
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16:malloc_context_size=0";
}
