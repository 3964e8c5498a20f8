#pragma once
// Teachers ("ÖĞRETMENLER"): the operations behind the commands of the teacher
// window. Texts are cp1254 as typed; they are stored in Turkish capitals.

#include <string>

#include "core/change.h"
#include "core/reorder.h"
#include "core/school.h"

namespace kalvodrin {

struct TeacherFields {
  std::string name;            // "ADI SOYADI", 30 characters stored; required
  std::string branch;          // "BRANŞI", 12
  std::string classTeacherOf;  // "SINIF ÖĞRETMENLİĞİ", 8, free text
  std::string club;            // "EĞİTSEL KULÜP", 12
};

// What the edit window shows for the teacher; all empty for an unknown number.
TeacherFields TeacherFieldsOf(const School& school, int number);

// A new teacher with the lowest free number, shown last, and the teacher's empty
// timetable with the own settings at their defaults. Rewrites OGRETMEN.LOF and
// DUDIZIRZ.LOF. kInvalid for an empty name, kFull when 255 teachers exist.
Change SaveNewTeacher(School& school, const TeacherFields& fields);
Change SaveTeacherEdit(School& school, int number, const TeacherFields& fields);
Change MoveTeacher(School& school, int number, MoveDirection direction);

}  // namespace kalvodrin
