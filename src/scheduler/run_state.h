#pragma once
// The state one automatic run shares between its driver and the placement search:
// levels, passes, budgets, the stop key and the counters the progress display shows.
// It lives in the run object, never in the School.

#include <cstdint>
#include <vector>

namespace kalvodrin {

// What the user asked for through the run window, or what a finished targeted run
// sets for itself.
enum StopKey : int {
  kNoStop = 0,
  kSkipLesson = 13,  // "&DERSİ ATLA": abandon the current lesson
  kStopRun = 27,     // "&DAĞITIMI DURDUR": end the run
};

// A new chain of nested requests lets a lesson of more weekly hours than this split
// its own block (the own-split strategy).
inline constexpr int kOwnSplitWeeklyHours = 7;

struct RunState {
  int searchDepth = 0;       // requests alive; above 1 the request is nested
  int searchLevel = 1;       // 1 .. the settings' search level
  int subPass = 1;           // 1 = direct placement only, 2 = repair allowed too
  bool rulesFromSettings = false;  // false = strict levels
  int blockAlign = 0;        // even blocks start at odd hours only
  int repairBudget = 1;      // conflicts a depth-1 chain may take out
  int repairUsed = 0;        // conflicts taken out so far in the chain
  int rebuildNesting = 0;    // nesting of the teacher day rebuild
  int rebuildLimit = 0;      // set afresh by every new request
  int ownSplitWeeklyHours = kOwnSplitWeeklyHours;
  bool dayMoveRunning = false;  // a teacher-day move cannot nest in itself
  int blockSplits = 0;       // other lessons' 2-hour blocks split in this run
  int stopKey = kNoStop;
  bool sharedFirst = false;  // only lessons of several teachers or a common group
  int relaxPasses = 0;       // relaxation steps of the lesson-group kind

  // The distinct block lengths of all class lesson patterns, ascending, with a 0 in
  // front so that element 1 is the shortest; sizeRound indexes it.
  std::vector<int> blockSizes{0};
  int sizeRound = 1;

  int targetCell = 0;   // the only start cell a placement try may use, 0 = any
  int currentCell = 1;  // the cell the depth-1 search is trying
  int total = 0;        // hours to place: sum of the teachers' weekly hours
  int placed = 0;       // hours placed: sum of the teachers' placed hours

  // The smallest block length the current size round admits; 0 past the list's end.
  int MinBlockLength() const {
    if (sizeRound < 0 || sizeRound >= static_cast<int>(blockSizes.size())) return 0;
    return blockSizes[static_cast<std::size_t>(sizeRound)];
  }
};

}  // namespace kalvodrin
