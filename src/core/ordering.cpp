#include "core/ordering.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/field_text.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

template <typename List>
void SortByOrder(List& list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a.order < b.order; });
  list.reindex();
}

std::string LessonNameKey(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l == nullptr ? std::string() : TurkSortKey(l->name.view());
}

std::string TeacherLessonKey(const School& school, const TTeacherLessonRec& r) {
  const TLessonRec* l = school.LessonByNo(r.lesson);
  const TClassRec* c = school.ClassByNo(r.classNo);
  const int hours = l == nullptr ? 0 : l->weeklyHours;
  return NumberText3(255 - hours) + (l == nullptr ? std::string() : l->name.str()) +
         NumberText3(c == nullptr ? 0 : c->order);
}

}  // namespace

void SortLessons(School& school) {
  std::vector<std::pair<std::string, TLessonRec>> keyed;
  keyed.reserve(school.Lessons.size());
  for (const TLessonRec& l : school.Lessons) keyed.emplace_back(TurkSortKey(l.name.view()), l);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < keyed.size(); ++i) school.Lessons[i] = keyed[i].second;
  school.ReindexLessons();
}

void SortClasses(School& school) { SortByOrder(school.Classes); }
void SortRooms(School& school) { SortByOrder(school.Rooms); }
void SortTeachers(School& school) { SortByOrder(school.Teachers); }
void SortDutyPlaces(School& school) { SortByOrder(school.DutyPlaces); }

void PlaceClassLesson(School& school, int classNo, int lesson) {
  auto& list = school.ClassLessons;
  list.reindex();
  // The new record is the last one of the pair; it is carried down the class's
  // records by swapping with each later-sorting one in turn.
  std::size_t carried = list.size();
  for (std::size_t i = list.size(); i-- > 0;)
    if (list[i].classNo == classNo && list[i].lesson == lesson) {
      carried = i;
      break;
    }
  if (carried == list.size()) return;
  std::string key = LessonNameKey(school, lesson);
  for (;;) {
    std::size_t next = list.size();
    std::string nextKey;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].classNo != classNo) continue;
      std::string k = LessonNameKey(school, list[i].lesson);
      if (k > key) {
        next = i;
        nextKey = std::move(k);
        break;
      }
    }
    if (next == list.size()) break;
    key = std::move(nextKey);
    std::swap(list[next], list[carried]);
  }
  list.reindex();
}

void PlaceTeacherLesson(School& school, int teacher, int classNo, int lesson) {
  auto& list = school.TeacherLessons;
  if (list.size() < 2) return;
  const std::size_t last = list.size() - 1;
  std::size_t carried = list.size();
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].teacher == teacher && list[i].classNo == classNo && list[i].lesson == lesson) {
      carried = i;
      break;
    }
  if (carried == list.size()) return;
  std::string key = TeacherLessonKey(school, list[carried]);
  for (;;) {
    std::size_t next = list.size();
    std::string nextKey;
    for (std::size_t i = 0; i < last; ++i) {
      if (list[i].teacher != teacher) continue;
      std::string k = TeacherLessonKey(school, list[i]);
      if (k > key) {
        next = i;
        nextKey = std::move(k);
        break;
      }
    }
    if (next == list.size()) break;
    key = std::move(nextKey);
    std::swap(list[next], list[carried]);
  }
}

}  // namespace kalvodrin
