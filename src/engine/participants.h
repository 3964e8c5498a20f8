#pragma once
// Resolving the teachers, classes and classrooms of a lesson to their timetables.
// Internal to the engine.

#include <array>
#include <optional>

#include "core/school.h"
#include "engine/block.h"
#include "engine/change_journal.h"

namespace kalvodrin {

// The participants of class lesson (classNo, lesson) in a block without a place or
// length: the class first, the other members of its common group after it, teachers
// and rooms of the class lesson. Zeros and repeated numbers are left out. Empty when
// the class lesson does not exist; the lesson record is not needed.
std::optional<Block> ParticipantsOf(const School& school, int classNo, int lesson);

// The timetable of a teacher, class or classroom by its number; null when it has none.
template <typename Grid>
const Grid* GridOf(const School& school, int number);
template <>
inline const TTeacherGridRec* GridOf(const School& school, int number) {
  return school.TeacherGridByNo(number);
}
template <>
inline const TClassGridRec* GridOf(const School& school, int number) {
  return school.ClassGridByNo(number);
}
template <>
inline const TRoomGridRec* GridOf(const School& school, int number) {
  return school.RoomGridByNo(number);
}

struct Grids {
  std::array<TTeacherGridRec*, kMaxListed> teachers{};
  std::array<TClassGridRec*, kMaxListed> classes{};
  std::array<TRoomGridRec*, kMaxListed> rooms{};
  int teacherCount = 0;
  int classCount = 0;
  int roomCount = 0;

  int total() const { return teacherCount + classCount + roomCount; }
};

// The timetables of every participant; empty when one of them has none.
std::optional<Grids> GridsOf(School& school, const Block& block);

// True when `classNo` is one of the block's classes.
bool HasClass(const Block& block, int classNo);

// Every cell first..last is free for every participant.
bool AllFree(const Grids& grids, int first, int last);

// Every participant holds the lesson in every hour first..last: classes the lesson,
// teachers and rooms one of the lesson's classes.
bool AllHold(const Grids& grids, const Block& block, int first, int last);

// New length and start over first..last for every participant that holds the lesson
// there; cells it does not hold are left alone.
void RelinkRange(const Grids& grids, const Block& block, int first, int last, int length,
                 int start, ChangeJournal* journal);

// Journal room an operation needs: entries per participant and hour.
inline bool JournalHasRoom(const ChangeJournal* journal, int entries) {
  return journal == nullptr || journal->room() >= entries;
}

}  // namespace kalvodrin
