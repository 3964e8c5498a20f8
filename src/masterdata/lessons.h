#pragma once
// The lesson pool ("DERS HAVUZU") and the lesson groups: the operations behind the
// save, edit and delete commands of their windows. Texts are cp1254 as typed; they
// are stored in Turkish capitals and cut to their field widths.

#include <string>
#include <string_view>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The entry fields of a new lesson, as typed.
struct LessonFields {
  std::string name;         // "DERSİN ADI", 30 characters stored
  std::string shortName;    // "KISA ADI", 4
  std::string weeklyHours;  // "HAFTALIK DERS SAATİ", up to 2 digits
  std::string pattern;      // "YERLEŞTİRME BİÇİMİ", digits and "+", up to 10
};

// The edit window adds the fields a new lesson takes at their defaults.
struct LessonEditFields {
  LessonFields main;
  std::string group;         // a group's name; one that names no group gives 0
  std::string divisible;     // "H" = 0, anything else (the empty text too) = 1
  std::string notAtHour;     // up to 2 digits, empty = 0
  std::string notAfterHour;  // up to 2 digits, empty = 0
};

// The save rule of both lesson windows: name, short name, hours and pattern filled
// in and the pattern splitting exactly the weekly hours into non-increasing blocks.
bool LessonFieldsValid(const LessonFields& fields);
bool LessonEditFieldsValid(const LessonEditFields& fields);

// Why the fields fail that rule, in UTF-8 words the user acts on: the first empty
// field ("KISA ADI girilmedi"), or what is wrong with the pattern ("2+3: bloklar
// büyükten küçüğe yazılır", "2+1 = 3, haftalık ders saati 4"). Empty when valid.
std::string LessonFieldsProblem(const LessonFields& fields);
// The edit window's rule besides: a group text that names no group is not taken
// for "no group" (the empty text is).
std::string LessonEditProblem(const School& school, const LessonEditFields& fields);

// What the edit window shows for the lesson (cp1254): the pattern as 2+1, the
// group's name, "E"/"H", empty hour boxes for 0. All empty for an unknown number.
LessonEditFields LessonEditFieldsOf(const School& school, int number);

// A new lesson with the lowest free number, no group, not divisible, no hour
// limits; the pool is then sorted by Turkish name. Rewrites DERSLER.LOF.
// kInvalid while the fields fail LessonFieldsValid, kFull when 255 lessons exist.
Change SaveNewLesson(School& school, const LessonFields& fields);

// Writes the fields into the lesson and its pattern, block count and divisibility
// into every class lesson made from it. The pool is not re-sorted.
// Rewrites DERSLER.LOF and DUDIZIR2.LOF.
Change SaveLessonEdit(School& school, int number, const LessonEditFields& fields);

// A new group with the lowest free number at the end of the list, its name cut to
// 20 characters. kInvalid for an empty name. Rewrites KUME.LOF.
Change SaveNewLessonGroup(School& school, std::string_view name);
Change SaveLessonGroupEdit(School& school, int number, std::string_view name);

}  // namespace kalvodrin
