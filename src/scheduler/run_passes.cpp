// The passes of a run: sweeps over the block sizes and the teachers, a teacher's
// levels and sub-passes, and the attempts that place one lesson block by block.

#include "engine/counts.h"
#include "scheduler/block_sizes.h"
#include "scheduler/placement_run.h"

namespace kalvodrin {

namespace {

int WeeklyHoursOf(const School& school, int lesson) {
  const TLessonRec* rec = school.LessonByNo(lesson);
  return rec != nullptr ? rec->weeklyHours : 0;
}

}  // namespace

// One sweep, or two when the teachers' indicator is off: the sweep restricted to
// lessons of several teachers or a common lesson comes first then.
void PlacementRun::PassSet() {
  if (state_.placed == state_.total) return;
  bool shared = CountAllHours(school_);
  do {
    shared = !shared;
    state_.sharedFirst = shared;
    Sweep();
  } while (shared && state_.stopKey != kStopRun);
}

// Block sizes from the longest down; in each, every teacher with hours left, in the
// run order.
void PlacementRun::Sweep() {
  auto over = [this] {
    return state_.stopKey == kStopRun || state_.placed == state_.total;
  };
  for (state_.sizeRound = static_cast<int>(state_.blockSizes.size()) - 1;
       state_.sizeRound >= 1 && !over(); --state_.sizeRound) {
    progress_.teacherCount = static_cast<int>(school_.Teachers.size());
    for (std::size_t i = 0; i < school_.Teachers.size() && !over(); ++i) {
      const int teacher = school_.Teachers[i].number;
      const TTeacherGridRec* grid = school_.TeacherGridByNo(teacher);
      if (grid == nullptr || grid->placedHours >= grid->weeklyHours) continue;
      progress_.teacherOrdinal = static_cast<int>(i) + 1;
      TeacherPass(teacher);
    }
  }
}

// The strict levels first (one, or two with block alignment), then the levels under
// the teachers' settings up to the settings' search level; two sub-passes each.
void PlacementRun::TeacherPass(int teacher) {
  state_.targetCell = 0;
  const TTeacherGridRec* grid = school_.TeacherGridByNo(teacher);
  if (grid == nullptr) return;
  ShowTeacher(teacher);
  state_.searchLevel = 0;
  state_.rulesFromSettings = false;
  bool stopped = false;
  do {
    ++state_.searchLevel;
    if (state_.searchLevel >= state_.blockAlign + 2 && !state_.rulesFromSettings) {
      state_.searchLevel = 1;
      state_.rulesFromSettings = true;
    }
    progress_.searchLevel = state_.searchLevel;
    for (int subPass = 1; subPass <= 2 && !stopped; ++subPass) {
      state_.subPass = subPass;
      for (std::size_t i = 0; i < school_.TeacherLessons.size() && !stopped; ++i) {
        const TTeacherLessonRec entry = school_.TeacherLessons[i];
        if (entry.teacher == teacher &&
            PlacedHours(school_, entry.classNo, entry.lesson) <
                WeeklyHoursOf(school_, entry.lesson)) {
          ShowLesson(entry.classNo, entry.lesson);
          LessonAttempt(teacher, entry.classNo, entry.lesson);
        }
        stopped = state_.stopKey == kStopRun || grid->placedHours == grid->weeklyHours;
      }
    }
  } while (!stopped && state_.searchLevel < school_.Settings.searchLevel);
}

// Blocks of the lesson one after another while each is placed, no key was pressed,
// and the hours tried stay within the weekly hours.
void PlacementRun::LessonAttempt(int /*teacher*/, int classNo, int lesson) {
  state_.stopKey = kNoStop;
  ++progress_.lessonAttempts;
  const TClassLessonRec* cl = school_.ClassLessonAt(classNo, lesson);
  if (state_.sharedFirst && cl != nullptr && cl->teacherCount == 1 &&
      cl->commonGroup == 0)
    return;
  const int weekly = WeeklyHoursOf(school_, lesson);
  int tried = 0;
  for (;;) {
    int length = 0;
    const bool placed = PlacementTry(classNo, lesson, length);
    tried += length;
    if (placed && state_.targetCell != 0) state_.stopKey = kStopRun;
    if (!placed || state_.stopKey != kNoStop || tried > weekly) return;
  }
}

// One request for the next block of the lesson, if the size round admits it.
bool PlacementRun::PlacementTry(int classNo, int lesson, int& length) {
  length = NextBlockLength(school_, classNo, lesson);
  if (length == 0 || length < state_.MinBlockLength()) {
    length = 0;
    return false;
  }
  state_.searchDepth = 0;
  if (!search_.NewRequest({classNo, lesson, length, state_.targetCell})) return false;
  const TClassLessonRec* cl = school_.ClassLessonAt(classNo, lesson);
  state_.placed += length * (cl != nullptr ? cl->teacherCount : 0);
  Report();
  return true;
}

void PlacementRun::ShowTeacher(int teacher) {
  progress_.teacher = teacher;
  if (const TTeacherGridRec* grid = school_.TeacherGridByNo(teacher)) {
    progress_.teacherTotal = grid->weeklyHours;
    progress_.teacherPlaced = grid->placedHours;
  }
  Report();
}

void PlacementRun::ShowLesson(int classNo, int lesson) {
  progress_.classNo = classNo;
  progress_.lesson = lesson;
  progress_.weeklyHours = WeeklyHoursOf(school_, lesson);
  Report();
}

void PlacementRun::Report() {
  progress_.total = state_.total;
  progress_.placed = state_.placed;
  progress_.searchLevel = state_.searchLevel;
  if (const TTeacherGridRec* grid = school_.TeacherGridByNo(progress_.teacher))
    progress_.teacherPlaced = grid->placedHours;
  if (observer_ != nullptr) observer_->OnProgress(progress_);
}

}  // namespace kalvodrin
