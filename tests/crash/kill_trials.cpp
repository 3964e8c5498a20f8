// Kills a process that saves the sample school over and over, at random moments, and
// checks the folder each time: every data file is the old or the new one (the whole
// folder, in fact, is one saved state or the next), the folder loads, and nothing in it
// is damaged or inconsistent.
//
//   kill_trials TRIALS [SEED] [MAX_DELAY_MS]
//
// The child announces each save in a journal before it starts it: the hash of every
// data file as the folder will hold it once the save is in. After a kill, the folder
// must be the last announced state or the one before it. Exit code 0 when every trial
// passed; the figures are printed either way.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/damage_check.h"
#include "core/file_set_save.h"
#include "core/storage.h"
#include "engine/consistency.h"
#include "engine/reset.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"
#include "masterdata/teachers.h"
#include "scheduler/placement_run.h"
#include "scheduler/step_limit.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

namespace fs = std::filesystem;
using Hashes = std::array<uint64_t, kDataFileCount>;

uint64_t Fnv1a(const Bytes& bytes) {
  uint64_t h = 1469598103934665603ull;
  for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
  return h;
}

Bytes ReadOrEmpty(const fs::path& file) {
  std::optional<Bytes> content;
  if (!ReadWholeFile(file, content) || !content) return {};
  return *content;
}

// The data files as they are on disk now; a missing file hashes as empty, as a start
// would create it (the settings and annex files are never missing after a save).
Hashes OnDisk(const fs::path& folder) {
  Hashes h{};
  for (std::size_t i = 0; i < kDataFiles.size(); ++i)
    h[i] = Fnv1a(ReadOrEmpty(ResolveInFolder(folder, kDataFiles[i].name)));
  return h;
}

std::string Line(const Hashes& h) {
  std::ostringstream out;
  for (uint64_t v : h) out << v << ' ';
  out << '\n';
  return out.str();
}

// One write call: a kill lands before it or after it, never inside.
void Announce(int journal, const Hashes& h) {
  const std::string line = Line(h);
  if (::write(journal, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(4);
}

[[noreturn]] void Die(const std::string& why) {
  std::cerr << "child: " << why << '\n';
  _exit(3);
}

void SaveAnnounced(School& school, const FileSet& files, Hashes& state, int journal) {
  for (std::size_t i = 0; i < kDataFiles.size(); ++i)
    if (files.has(kDataFiles[i].file)) state[i] = Fnv1a(DataFileImage(school, kDataFiles[i].file));
  Announce(journal, state);
  if (Status s = SaveFiles(school, files); !s) Die(s.message());
}

// A master-data edit: a teacher's club, a lesson group added, renamed or deleted.
Change Edit(School& school, std::mt19937& rng) {
  const int pick = static_cast<int>(rng() % 3);
  if (pick == 0 && !school.Teachers.empty()) {
    const int number = school.Teachers[rng() % school.Teachers.size()].number;
    TeacherFields f = TeacherFieldsOf(school, number);
    f.club = "KULUP " + std::to_string(rng() % 1000);
    return SaveTeacherEdit(school, number, f);
  }
  if (pick == 1 || school.LessonGroups.empty())
    return SaveNewLessonGroup(school, "GRUP " + std::to_string(rng() % 100000));
  const int group = school.LessonGroups[rng() % school.LessonGroups.size()].number;
  if (rng() % 2 == 0) return SaveLessonGroupEdit(school, group, "YENI " + std::to_string(rng()));
  return DeleteLessonGroupFromList(school, group);
}

// The whole-school run from empty timetables, each lesson attempt bounded by search
// steps so that a run takes a fraction of a second.
FileSet WholeSchoolRun(School& school) {
  FileSet files = ResetPlacements(school, ResetOptions{});
  StepLimitObserver limit(2000);
  PlacementRun run(school, &limit);
  const RunOutcome outcome = run.RunWholeSchool();
  if (outcome.refused) Die(outcome.notice);
  files.add(outcome.files);
  return files;
}

[[noreturn]] void SaveForever(const fs::path& folder, const fs::path& journalFile, unsigned seed) {
  const int journal = ::open(journalFile.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (journal < 0) Die("journal");
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  if (Status s = LoadSchool(*school); !s) Die(s.message());  // ends a half-done save
  Hashes state = OnDisk(folder);
  Announce(journal, state);
  std::mt19937 rng(seed);
  for (;;) {
    if (rng() % 4 == 0) {
      SaveAnnounced(*school, WholeSchoolRun(*school), state, journal);
      continue;
    }
    const Change change = Edit(*school, rng);
    if (change.done()) SaveAnnounced(*school, change.files, state, journal);
  }
}

std::vector<Hashes> ReadJournal(const fs::path& file) {
  std::vector<Hashes> states;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Hashes h{};
    for (uint64_t& v : h) fields >> v;
    if (fields) states.push_back(h);
  }
  return states;
}

struct Figures {
  int trials = 0;
  int midSave = 0;       // the kill left a save half done
  int torn = 0;          // a file neither old nor new, or a mix of two states
  int unreadable = 0;    // the folder did not load
  int inconsistent = 0;  // it loaded, but check found problems
  int childErrors = 0;   // the child stopped by itself
  long saves = 0;        // announced over all trials
};

bool HalfDone(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name == kSaveListName || name.ends_with(kNewSuffix) || name.ends_with(kAsideSuffix))
      return true;
  }
  return false;
}

// Checks the folder the killed child left, as the next start and `check` see it.
void Inspect(const fs::path& folder, const std::vector<Hashes>& states, Figures& f) {
  if (HalfDone(folder)) ++f.midSave;
  auto looking = std::make_unique<School>();
  looking->WorkFolder = folder;
  TailBytes tails{};
  if (!LoadSchoolWithoutWriting(*looking, &tails)) ++f.unreadable;
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  if (Status s = LoadSchool(*school, &tails); !s) {
    std::cerr << "unreadable: " << s.message() << '\n';
    ++f.unreadable;
    return;
  }
  const Hashes now = OnDisk(folder);
  const std::size_t n = states.size();
  const bool known = (n >= 1 && now == states[n - 1]) || (n >= 2 && now == states[n - 2]);
  if (!known) {
    std::cerr << "torn after " << n << " states\n";
    ++f.torn;
  }
  if (!FindDamage(*school, tails).empty() || !CheckConsistency(*school).empty()) {
    for (const Damage& d : FindDamage(*school, tails)) std::cerr << DamageLine(d) << '\n';
    for (const std::string& line : CheckConsistency(*school)) std::cerr << line << '\n';
    ++f.inconsistent;
  }
}

int Main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "kullanım: kill_trials TRIALS [SEED] [MAX_DELAY_MS]\n";
    return 2;
  }
  const int trials = std::stoi(argv[1]);
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::stoul(argv[2])) : 1;
  const int maxDelayMs = argc > 3 ? std::stoi(argv[3]) : 150;
  const testing::TempFolder root;
  const fs::path folder = root / "okul";
  const fs::path journal = root / "journal.txt";
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(KALVODRIN_SAMPLE))
    fs::copy_file(entry.path(), folder / entry.path().filename());
  // The copy's own state comes first: a kill before the first child has announced
  // anything must find the folder as copied, not count it torn.
  std::ofstream(journal) << Line(OnDisk(folder));

  std::mt19937 rng(seed);
  Figures f;
  for (int t = 0; t < trials; ++t) {
    std::cout.flush();
    const pid_t child = ::fork();
    if (child < 0) return 1;
    if (child == 0) SaveForever(folder, journal, seed * 100003u + static_cast<unsigned>(t));
    // Most kills after a short while, some at once (inside the start's own recovery).
    const int delayUs = static_cast<int>(rng() % (static_cast<unsigned>(maxDelayMs) * 1000u + 1));
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)) ++f.childErrors;
    ++f.trials;
    Inspect(folder, ReadJournal(journal), f);
  }
  f.saves = static_cast<long>(ReadJournal(journal).size()) - f.trials - 1;
  std::cout << "trials " << f.trials << ", saves announced " << f.saves << ", killed mid-save "
            << f.midSave << ", torn " << f.torn << ", unreadable " << f.unreadable
            << ", inconsistent " << f.inconsistent << ", child errors " << f.childErrors << '\n';
  const bool ok = f.torn == 0 && f.unreadable == 0 && f.inconsistent == 0 && f.childErrors == 0;
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace kalvodrin

int main(int argc, char** argv) { return kalvodrin::Main(argc, argv); }
