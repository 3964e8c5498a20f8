#pragma once
// The names the edit history gives its steps, shown after "Geri al:" and "Yinele:"
// (UTF-8): "9-A MATEMATİK, Salı 3. saat", "Hücre kapat/aç, Salı 3. saat".

#include <string>

#include "core/school.h"

namespace kalvodrin {

// "Salı 3. saat"; "" outside 1..80.
std::string CellStepName(int cell);

// "9-A MATEMATİK, Salı 3. saat": the class lesson an hour or block belongs to and
// where; a name that is missing reads "?".
std::string LessonStepName(const School& school, int classNo, int lesson, int cell);

// What the command did, and where: "<what>, Salı 3. saat".
std::string CommandStepName(const std::string& what, int cell);

}  // namespace kalvodrin
