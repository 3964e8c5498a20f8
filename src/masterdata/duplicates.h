#pragma once
// A second lesson, class, classroom or teacher under the name of one that exists is
// almost always a typing mistake: the windows ask before saving it.

#include <string>
#include <string_view>

#include "core/school.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {

// The number of another record of the kind with this name (and section, for a
// class), compared as stored: Turkish capitals. `except` is the record being edited,
// 0 for a new one. 0 when there is none; lesson groups are never compared.
int SameNamed(const School& school, EntityKind kind, std::string_view name,
              std::string_view section, int except);

// The question asked before such a save, in UTF-8; empty when no other record has
// the name.
std::string DuplicateQuestion(const School& school, EntityKind kind, std::string_view name,
                              std::string_view section, int except);

}  // namespace kalvodrin
