#pragma once
// Classes ("SINIFLAR") and classrooms ("DERSHANE AÇ-DÜZELT"): the operations behind
// the commands of their windows. Texts are cp1254 as typed; they are stored in
// Turkish capitals and cut to the widths the entry fields admit.

#include <string_view>

#include "core/change.h"
#include "core/reorder.h"
#include "core/school.h"

namespace kalvodrin {

// A new class with the lowest free number, shown last (order = count + 1), its name
// cut to 4 and its section to 3 characters, and its empty timetable (hours 1 to 6
// on every day). A number freed by a deleted class may still carry that class's
// annex flag; the new class starts in the main building, so the flag is cleared.
// Rewrites SINIFLAR.LOF and DUDIZIRX.LOF (and DUDIZIR1.LOF when a flag was cleared).
// kInvalid for an empty name, kFull when 255 classes exist.
Change SaveNewClass(School& school, std::string_view name, std::string_view section);
Change SaveClassEdit(School& school, int number, std::string_view name,
                     std::string_view section);

// "EKBİNA": moves the class between the main and the annex building. Rewrites
// DUDIZIR1.LOF. kNoAnnexFlag for class numbers above 250.
Change ToggleClassAnnex(School& school, int number);

// Ctrl+Up / Ctrl+Down. Rewrites SINIFLAR.LOF; kUnchanged on the first row up or the
// last row down, which writes nothing.
Change MoveClass(School& school, int number, MoveDirection direction);

// A new classroom with the lowest free number, shown last, its name cut to 12, and
// its empty timetable. Rewrites DERSHANE.LOF and DUDIZIRY.LOF.
Change SaveNewRoom(School& school, std::string_view name);
Change SaveRoomEdit(School& school, int number, std::string_view name);
Change MoveRoom(School& school, int number, MoveDirection direction);

}  // namespace kalvodrin
