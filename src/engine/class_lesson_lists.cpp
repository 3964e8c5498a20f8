#include "engine/class_lesson_lists.h"

#include <algorithm>

namespace kalvodrin {
namespace {

// Takes slot i out of a list of n: the last entry moves into it.
template <typename List>
void Compact(List& list, int i, int n) {
  list[static_cast<std::size_t>(i)] = list[static_cast<std::size_t>(n - 1)];
  list[static_cast<std::size_t>(n - 1)] = 0;
}

template <typename List>
int IndexOf(const List& list, int n, int number) {
  for (int i = 0; i < n; ++i)
    if (list[static_cast<std::size_t>(i)] == number) return i;
  return -1;
}

int Listed(int count) { return std::clamp(count, 0, kMaxListed); }

bool Detach(std::array<uint8_t, kMaxListed>& list, uint8_t& count, int number) {
  const int n = Listed(count);
  const int i = IndexOf(list, n, number);
  if (i < 0) return false;
  Compact(list, i, n);
  count = static_cast<uint8_t>(n - 1);
  return true;
}

}  // namespace

bool AttachRoom(School& school, int room, int classNo, int lesson) {
  TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->roomCount >= kMaxListed ||
      IndexOf(cl->rooms, cl->roomCount, room) >= 0)
    return false;
  cl->rooms[cl->roomCount] = static_cast<uint8_t>(room);
  ++cl->roomCount;
  return true;
}

bool DetachTeacher(TClassLessonRec& classLesson, int teacher) {
  return Detach(classLesson.teachers, classLesson.teacherCount, teacher);
}

bool DetachRoom(TClassLessonRec& classLesson, int room) {
  return Detach(classLesson.rooms, classLesson.roomCount, room);
}

bool DetachMember(TCommonGroupRec& group, int classNo, int lesson) {
  const int n = Listed(group.count);
  for (int i = 0; i < n; ++i) {
    if (group.classes[static_cast<std::size_t>(i)] != classNo ||
        group.lessons[static_cast<std::size_t>(i)] != lesson)
      continue;
    Compact(group.classes, i, n);
    Compact(group.lessons, i, n);
    group.count = static_cast<uint8_t>(n - 1);
    return true;
  }
  return false;
}

}  // namespace kalvodrin
