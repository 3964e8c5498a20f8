// Random partial timetables of small generated schools (some cells closed, blocks
// placed where they fit, some locked), given to one of the why-not report, the
// completion or the cancelling of all placements. Oracles: the consistency check
// after each, the independent hard-rule check after the completion, and for the
// why-not report, that a block it lets in at a cell really stands there without
// breaking a hard rule.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/cells.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "fuzz_support.h"
#include "generator/sample_school.h"
#include "hard_rule_check.h"
#include "random_partial_timetable.h"
#include "scheduler/completion/completion.h"
#include "scheduler/run_observer.h"
#include "scheduler/run_state.h"
#include "scheduler/why_not.h"
#include "timetables/timetable_commands.h"

using namespace kalvodrin;

namespace {

// Stops the completion after so many moves: the fuzzer wants many short runs.
class StopAfter : public RunObserver {
 public:
  explicit StopAfter(int moves) : moves_(moves) {}
  int OnSearchStep(const RunProgress&) override { return --moves_ <= 0 ? kStopRun : kNoStop; }

 private:
  int moves_;
};

void ExpectConsistent(const School& s, const std::string& after) {
  if (const auto problems = CheckConsistency(s); !problems.empty())
    fuzz::Fail("after " + after, problems.front());
}

// Up to three cells the report leaves free of reasons: the block goes there, and the
// timetable keeps every hard rule.
void CheckOpenCells(const School& s, const WhyNotReport& report, fuzz::Choices& in) {
  for (int k = 0; k < 3 && !report.rows.empty(); ++k) {
    const WhyNotRow& row =
        report.rows[static_cast<std::size_t>(in.Below(static_cast<int>(report.rows.size())))];
    // A guidance hour whose fixed hour is taken goes wherever it fits in the classic
    // run, whose story the report tells; the hard-rule check holds it to its fixed
    // hour, as the completion does, so its rows are not asked here.
    if (row.length == 0 || row.cells.empty() || row.lesson == s.Settings.guidanceLesson) continue;
    const WhyNotCell& cell =
        row.cells[static_cast<std::size_t>(in.Below(static_cast<int>(row.cells.size())))];
    if (!cell.reasons.empty()) continue;
    auto placed = std::make_unique<School>(s);
    const std::optional<Block> block =
        MakeBlock(*placed, row.classNo, row.lesson, row.length, CellIndex(cell.day, cell.hour));
    if (!block || !PlaceBlock(*placed, *block, nullptr))
      fuzz::Fail("why-not", "a cell without reasons does not take the block");
    ExpectConsistent(*placed, "placing where why-not found no reason");
    if (const auto broken = CheckHardRules(*placed, s); !broken.empty())
      fuzz::Fail("why-not let in a block that breaks a hard rule", broken.front());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // Generated schools of one to four classes, eight of each size.
  static const std::vector<std::unique_ptr<School>> schools = [] {
    std::vector<std::unique_ptr<School>> made;
    for (int classes = 1; classes <= 4; ++classes)
      for (uint32_t seed = 1; seed <= 8; ++seed) {
        made.push_back(std::make_unique<School>());
        BuildGeneratedSchool(*made.back(), classes, seed);
      }
    return made;
  }();
  fuzz::Choices in(data, size);
  auto school = std::make_unique<School>(
      *schools[static_cast<std::size_t>(in.Below(static_cast<int>(schools.size())))]);
  School& s = *school;
  s.Settings.maxHoursPerDay = static_cast<uint8_t>(in.Below(9));
  s.Settings.groupDifferentDays = static_cast<uint8_t>(in.Below(2));
  const int closures = in.Below(12);
  const int tries = in.Below(48);
  const int refused = MakeRandomPartialTimetable(
      s, [&](int n) { return in.Below(n); }, closures, tries);
  if (refused != 0) fuzz::Fail("placing", "the engine refused a block every slot test let in");
  ExpectConsistent(s, "building the partial timetable");

  // One of the three for each input: the report and the completion each cost more than
  // all the rest, and an input that gave both took libFuzzer's credit for the features
  // of either. The report does not change the timetable, so nothing is lost between
  // them.
  const int use = in.Below(6);
  if (use < 2) {
    CheckOpenCells(s, BuildWhyNot(s), in);
    return 0;
  }
  if (use == 2) {
    ResetOptions options;
    options.clearClosedCells = in.Below(2) == 0;
    options.clearSpecialSettings = in.Below(2) == 0;
    const auto before = std::make_unique<School>(s);
    CancelPlacements(s, options);
    ExpectConsistent(s, "cancelling the placements");
    for (std::size_t g = 0; g < s.ClassGrids.size(); ++g)
      for (std::size_t c = 0; c < static_cast<std::size_t>(kCells); ++c) {
        const TClassGridRec& old = before->ClassGrids[g];
        const uint8_t kept = options.clearClosedCells || old.open[c] != 0 ? 0 : old.occupant[c];
        if (s.ClassGrids[g].occupant[c] != kept)
          fuzz::Fail("cancel", "a class cell holds other than what a closed cell kept");
      }
    return 0;
  }
  const auto before = std::make_unique<School>(s);
  // Up to 64 moves and 128 steps: the fuzzer tries many short runs rather than a few
  // long ones, each of which costs several times more.
  StopAfter stop(1 + in.Byte() / 4);
  CompletionOptions options;
  options.seed = in.Byte();
  options.timeLimitSeconds = 600;  // the moves end it, not the clock: the same input, the same run
  options.maxSteps = 1 + in.Byte() / 2;
  options.observer = &stop;
  const CompletionOutcome outcome = CompleteTimetable(s, options);
  if (!outcome.refused.empty()) fuzz::Fail("completion refused", outcome.refused);
  ExpectConsistent(s, "the completion");
  if (const auto broken = CheckHardRules(s, *before, outcome.bentRules); !broken.empty())
    fuzz::Fail("the completion broke a hard rule", broken.front());
  if (outcome.placedAfter < outcome.placedBefore || CountTotals(s).placed != outcome.placedAfter)
    fuzz::Fail("completion", "the placed hours it reports are not what the timetable holds");
  return 0;
}
