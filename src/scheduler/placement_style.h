#pragma once
// The placement style of one class lesson ("YERLEŞTİRME BİÇİMİ"): whether the
// scheduler may split its blocks, and how its weekly hours split into blocks. The
// class lesson's own copy is changed; the lesson in the pool keeps its style.

#include <string>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

struct PlacementStyleEntry {
  std::string divisible;  // "DERS BÖLÜNSÜN MÜ": "E" or "H"
  std::string pattern;    // "DERS NASIL YERLEŞSİN": digits and "+", as "2+2+1"
};

// What the window shows for the class lesson; nothing set when there is none.
struct PlacementStyleView {
  bool found = false;     // the class takes the lesson
  std::string className;  // UTF-8, name and section
  std::string lessonName;
  int weeklyHours = 0;
  PlacementStyleEntry entry;
};
PlacementStyleView PlacementStyleOf(const School& school, int classNo, int lesson);

// True when the entry can be stored: both fields filled in, the divisible field "E"
// or "H", and the pattern splitting the lesson's weekly hours into non-increasing
// blocks. This decides whether "KAYDET" is enabled.
bool PlacementStyleStorable(const School& school, int lesson, const PlacementStyleEntry& entry);

// Stores the divisible flag, the pattern and its block count in the class lesson.
// kNotFound without the class lesson, kInvalid when the entry cannot be stored.
Change StorePlacementStyle(School& school, int classNo, int lesson,
                           const PlacementStyleEntry& entry);

}  // namespace kalvodrin
