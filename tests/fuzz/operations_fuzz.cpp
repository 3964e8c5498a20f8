// Random sequences of the operations the windows offer, over a loaded school (the
// first byte picks the first classes of the sample school or of one of the real ones):
// master data, the curriculum, giving lessons and classrooms, duties, placing and
// removing blocks and single hours, locks, deletions with their cascades, and
// placement runs cut short. The school starts consistent; the consistency check must
// still find nothing after the operations.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/cells.h"
#include "curriculum/class_lessons.h"
#include "curriculum/common_lessons.h"
#include "curriculum/copy_lessons.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "engine/block_operations.h"
#include "engine/cascade.h"
#include "engine/cell_writes.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "engine/locks.h"
#include "fuzz_support.h"
#include "masterdata/class_hours.h"
#include "masterdata/classes.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"
#include "masterdata/teachers.h"
#include "staffing/classrooms.h"
#include "staffing/teacher_lessons.h"

using namespace kalvodrin;

namespace {

// Search steps of a run among the operations: runs cost more than all the other
// operations together, and the targets for reading files give runs longer budgets.
constexpr long kRunSteps = 100;

class Sequence {
 public:
  Sequence(School& school, fuzz::Choices& in) : s_(school), in_(in) {}

  // A number of an existing record mostly, any number now and then.
  template <typename List>
  int Of(const List& list) {
    const uint8_t b = in_.Byte();
    if (b >= 240 || list.empty()) return in_.Byte();
    return list[b % list.size()].number;
  }
  int Class() { return Of(s_.Classes); }
  int Teacher() {
    const uint8_t b = in_.Byte();
    if (b >= 240 || s_.Teachers.empty()) return in_.Byte();
    return s_.Teachers[b % s_.Teachers.size()].number;
  }
  int Room() { return Of(s_.Rooms); }
  int Lesson() { return Of(s_.Lessons); }
  int Cell() { return 1 + in_.Below(kCells); }
  int Day() { return 1 + in_.Below(5); }
  // A class lesson that exists, mostly: its class and lesson.
  std::pair<int, int> ClassLesson() {
    if (s_.ClassLessons.empty() || in_.Byte() >= 240) return {Class(), Lesson()};
    const TClassLessonRec& cl = s_.ClassLessons[in_.Byte() % s_.ClassLessons.size()];
    return {cl.classNo, cl.lesson};
  }
  // A teacher lesson that exists, mostly.
  TTeacherLessonRec TeacherLesson() {
    if (s_.TeacherLessons.empty() || in_.Byte() >= 240) {
      TTeacherLessonRec r{};
      r.teacher = static_cast<uint8_t>(Teacher());
      r.classNo = static_cast<uint8_t>(Class());
      r.lesson = static_cast<uint8_t>(Lesson());
      return r;
    }
    return s_.TeacherLessons[in_.Byte() % s_.TeacherLessons.size()];
  }

  // One operation; returns its name for the report of a broken invariant.
  const char* Step() {
    switch (in_.Below(40)) {
      case 0: {
        const auto [c, l] = ClassLesson();
        if (const auto block = MakeBlock(s_, c, l, 1 + in_.Below(4), Cell()))
          PlaceBlock(s_, *block, nullptr);
        return "PlaceBlock";
      }
      case 1: {
        const TClassGridRec* g = s_.ClassGridByNo(Class());
        const int cell = Cell();
        if (g != nullptr)
          RemoveBlock(s_, g->blockLen[cells::At(cell)], g->blockStart[cells::At(cell)], g->classNo,
                      nullptr);
        return "RemoveBlock";
      }
      case 2: {
        const auto [c, l] = ClassLesson();
        PlaceOneHour(s_, Cell(), c, l);
        return "PlaceOneHour";
      }
      case 3: RemoveOneHour(s_, Cell(), Class()); return "RemoveOneHour";
      case 4: NormalizeBlock(s_, Cell(), Class()); return "NormalizeBlock";
      case 5: ToggleTeacherLock(s_, Cell(), Teacher()); return "ToggleTeacherLock";
      case 6: ToggleClassLock(s_, Cell(), Class()); return "ToggleClassLock";
      case 7: ToggleRoomLock(s_, Cell(), Room()); return "ToggleRoomLock";
      case 8: {
        const auto [c, l] = ClassLesson();
        if (const auto block = MakeBlock(s_, c, l, 1 + in_.Below(4), Cell()))
          SetBlockOpen(s_, *block, static_cast<uint8_t>(in_.Below(2)));
        return "SetBlockOpen";
      }
      case 9: {
        const TTeacherLessonRec t = TeacherLesson();
        fuzz::RunWithStepBudget(s_, kRunSteps / 2, t.teacher, t.classNo, t.lesson, Cell());
        return "RunAtCell";
      }
      case 10: fuzz::RunWithStepBudget(s_, kRunSteps, Teacher()); return "RunForTeacher";
      case 11: fuzz::RunWithStepBudget(s_, kRunSteps); return "RunWholeSchool";
      case 12: {
        LessonFields f{in_.Text(32), in_.Text(5), std::to_string(in_.Below(12)), in_.Text(6)};
        SaveNewLesson(s_, f);
        return "SaveNewLesson";
      }
      case 13: {
        const int lesson = Lesson();
        LessonEditFields f = LessonEditFieldsOf(s_, lesson);
        switch (in_.Below(5)) {
          case 0: f.main.weeklyHours = std::to_string(in_.Below(12)); break;
          case 1: f.main.pattern = in_.Text(6); break;
          case 2: f.divisible = in_.Below(2) == 0 ? "H" : "E"; break;
          case 3: f.notAtHour = std::to_string(in_.Below(17)); break;
          default: f.notAfterHour = std::to_string(in_.Below(17)); break;
        }
        SaveLessonEdit(s_, lesson, f);
        return "SaveLessonEdit";
      }
      case 14: SaveNewLessonGroup(s_, in_.Text(12)); return "SaveNewLessonGroup";
      case 15: SaveNewClass(s_, in_.Text(5), in_.Text(4)); return "SaveNewClass";
      case 16: SaveClassEdit(s_, Class(), in_.Text(5), in_.Text(4)); return "SaveClassEdit";
      case 17: ToggleClassAnnex(s_, Class()); return "ToggleClassAnnex";
      case 18:
        MoveClass(s_, Class(), in_.Below(2) == 0 ? MoveDirection::kUp : MoveDirection::kDown);
        return "MoveClass";
      case 19: SaveNewRoom(s_, in_.Text(12)); return "SaveNewRoom";
      case 20: {
        TeacherFields f{in_.Text(30), in_.Text(12), in_.Text(8), in_.Text(12)};
        SaveNewTeacher(s_, f);
        return "SaveNewTeacher";
      }
      case 21:
        MoveTeacher(s_, Teacher(), in_.Below(2) == 0 ? MoveDirection::kUp : MoveDirection::kDown);
        return "MoveTeacher";
      case 22: {
        const int c = Class();
        ClassHours hours = ClassHoursOf(s_, c);
        const int day = in_.Below(5);
        hours.first[day] = static_cast<uint8_t>(in_.Below(18));
        hours.last[day] = static_cast<uint8_t>(in_.Below(18));
        SetClassHours(s_, c, hours);
        return "SetClassHours";
      }
      case 23: CopyClassHoursFromAbove(s_, Class()); return "CopyClassHoursFromAbove";
      case 24: GiveLessonToClass(s_, Class(), Lesson()); return "GiveLessonToClass";
      case 25: {
        const auto [c, l] = ClassLesson();
        RemoveClassLesson(s_, c, l);
        return "RemoveClassLesson";
      }
      case 26: NewCommonGroup(s_); return "NewCommonGroup";
      case 27: {
        const auto [c, l] = ClassLesson();
        AddToCommonGroup(s_, Of(s_.CommonGroups), c, l);
        return "AddToCommonGroup";
      }
      case 28: {
        const auto [c, l] = ClassLesson();
        RemoveFromCommonGroup(s_, c, l);
        return "RemoveFromCommonGroup";
      }
      case 29: DissolveSmallGroups(s_); return "DissolveSmallGroups";
      case 30: CopyClassLessons(s_, Class(), Class()); return "CopyClassLessons";
      case 31: {
        const auto [c, l] = ClassLesson();
        GiveLessonToTeacher(s_, Teacher(), c, l, in_.Below(2) == 0);
        return "GiveLessonToTeacher";
      }
      case 32: {
        const TTeacherLessonRec t = TeacherLesson();
        TakeLessonFromTeacher(s_, t.teacher, t.classNo, t.lesson);
        return "TakeLessonFromTeacher";
      }
      case 33: {
        const auto [c, l] = ClassLesson();
        if (in_.Below(2) == 0)
          AttachRoomToClassLesson(s_, c, l, Room());
        else
          DetachRoomFromClassLesson(s_, c, l, Room());
        return "AttachOrDetachRoom";
      }
      case 34: {
        const int place = Of(s_.DutyPlaces);
        if (in_.Below(2) == 0)
          GiveDuty(s_, place, Day(), Teacher());
        else
          RemoveDuty(s_, place, Day(), Teacher());
        return "GiveOrRemoveDuty";
      }
      case 35: SaveNewDutyPlace(s_, in_.Text(20)); return "SaveNewDutyPlace";
      case 36: DeleteDutyPlaceFromList(s_, Of(s_.DutyPlaces)); return "DeleteDutyPlace";
      case 37: {
        switch (in_.Below(5)) {
          case 0: DeleteLessonGroupFromList(s_, Of(s_.LessonGroups)); return "DeleteLessonGroup";
          case 1: DeleteLessonFromPool(s_, Lesson()); return "DeleteLessonFromPool";
          case 2: DeleteClassFromList(s_, Class()); return "DeleteClassFromList";
          case 3: DeleteRoomFromList(s_, Room()); return "DeleteRoomFromList";
          default: DeleteTeacherFromList(s_, Teacher()); return "DeleteTeacherFromList";
        }
      }
      default: return Cascade();
    }
  }

  // The cascades bare, followed by the recount every caller makes after them.
  const char* Cascade() {
    const auto [c, l] = ClassLesson();
    const char* name = "";
    switch (in_.Below(5)) {
      case 0: {
        const TTeacherLessonRec t = TeacherLesson();
        UnassignTeacher(s_, t.teacher, t.classNo, t.lesson);
        name = "UnassignTeacher";
        break;
      }
      case 1:
        TakeRoomOutOfClassLesson(s_, c, l, Room());
        name = "TakeRoomOut";
        break;
      case 2:
        TakeOutOfCommonGroup(s_, c, l);
        name = "TakeOutOfCommonGroup";
        break;
      case 3:
        DeleteCommonGroup(s_, Of(s_.CommonGroups));
        name = "DeleteCommonGroup";
        break;
      default:
        PurgeCommonGroups(s_);
        name = "PurgeCommonGroups";
        break;
    }
    CountAllHours(s_);
    return name;
  }

 private:
  School& s_;
  fuzz::Choices& in_;
};

}  // namespace

// libFuzzer calls this before it reads its options.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<char*> args;
  args = fuzz::WithRarestFeaturesOnly(*argc, *argv);
  *argc = static_cast<int>(args.size()) - 1;
  *argv = args.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::vector<std::unique_ptr<School>>& schools = fuzz::SmallSchools();
  static const bool consistent = [&] {
    for (const auto& school : schools)
      if (const auto problems = CheckConsistency(*school); !problems.empty())
        fuzz::Fail("the starting school is not consistent", problems.front());
    return true;
  }();
  static_cast<void>(consistent);
  fuzz::Choices in(data, size);
  auto school = std::make_unique<School>(*schools[in.Below(static_cast<int>(schools.size()))]);
  Sequence sequence(*school, in);
  // The names of the steps done, joined only for the report of a broken invariant.
  std::array<const char*, 64> done{};
  const auto doneText = [&](int steps) {
    std::string text;
    for (int i = 0; i < steps; ++i) text += std::string(i == 0 ? "" : ", ") + done[i];
    return text;
  };
  // The check costs more than most steps: it runs after every eighth and the last.
  for (int step = 1; step <= 64 && !in.empty(); ++step) {
    done[step - 1] = sequence.Step();
    if (step % 8 != 0 && !in.empty()) continue;
    if (const auto problems = CheckConsistency(*school); !problems.empty())
      fuzz::Fail("after " + doneText(step), problems.front());
  }
  return 0;
}
