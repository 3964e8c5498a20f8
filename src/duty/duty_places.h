#pragma once
// Duty places ("NÖBET YERLERİ"): the operations behind the duty place window. Names
// are cp1254 as typed; they are stored in Turkish capitals, up to the record's 25
// characters.

#include <string_view>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"
#include "core/reorder.h"
#include "core/school.h"

namespace kalvodrin {

// A new place with the lowest free number, shown last, all its day counters 0. The
// whole typed name is kept up to the 25 characters the box accepts and the record
// holds. Rewrites DUDIZIR4.LOF. kInvalid for an empty name, kFull at 255 places.
Change SaveNewDutyPlace(School& school, std::string_view name);

// The name replaced (up to 25 characters). Rewrites DUDIZIR4.LOF.
Change SaveDutyPlaceEdit(School& school, int number, std::string_view name);

// The place's duties go with it, each lowering its day counter; the others are
// renumbered 1..n. Rewrites DUDIZIR4.LOF and DUDIZIR5.LOF. kNotFound when unknown.
Change DeleteDutyPlaceFromList(School& school, int number);

// Ctrl+Up / Ctrl+Down: the place order is the row order of the chart. Rewrites
// DUDIZIR4.LOF; kUnchanged on the first row up or the last row down.
Change MoveDutyPlace(School& school, int number, MoveDirection direction);

// The stored name; empty for an unknown number.
std::string_view DutyPlaceName(const School& school, int number);

//   ["NO"], ["NO"] (order), "NÖBET YERİ"
std::vector<ListColumn> DutyPlaceColumns();
std::vector<ListRow> DutyPlaceRows(const School& school);

}  // namespace kalvodrin
