#pragma once
// The names the edit history gives its steps, shown after "Geri al:" and "Yinele:"
// (UTF-8): "9-A MATEMATİK, Salı 3. saat", "Hücre kapat/aç, Salı 3. saat".

#include <string>

#include "core/school.h"
#include "engine/locks.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

// "Salı 3. saat"; "" outside 1..80.
std::string CellStepName(int cell);

// "9-A MATEMATİK, Salı 3. saat": the class lesson an hour or block belongs to and
// where; a name that is missing reads "?".
std::string LessonStepName(const School& school, int classNo, int lesson, int cell);

// The name of a double click at the cell of a teacher's, class's or classroom's
// timetable (`kind`, owner taken from `sel`): the class lesson the owner holds there,
// which the click takes away, else the selected one, which it places.
std::string CellCommandStepName(const School& school, GridKind kind, const TimetableSelection& sel,
                                int cell);

// What the command did, and where: "<what>, Salı 3. saat".
std::string CommandStepName(const std::string& what, int cell);

}  // namespace kalvodrin
