#pragma once
// Tying class lessons to classrooms ("DERSHANE"): a placed lesson occupies every
// classroom of its class lesson. A common lesson's classrooms are those of all its
// members.

#include <array>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The classroom is appended to the class lesson's classrooms (every member's in a
// common group). Refused, changing nothing: kUnchanged when it is listed already,
// kPlaced while hours of the lesson are placed in the class (the room's cells would
// not hold them), kListFull when a member has 15 classrooms, kNotFound for an
// unknown classroom or class lesson. Recounts the classrooms' weekly hours; rewrites
// DUDIZIR2.LOF and DUDIZIRY.LOF.
Change AttachRoomToClassLesson(School& school, int classNo, int lesson, int room);

// The classroom leaves the class lesson (every member's); its cells holding the
// lesson are freed, while the class and teachers keep their hours. Allowed while the
// lesson is placed. Rewrites DUDIZIR2.LOF and DUDIZIRY.LOF. kNotFound when the class
// lesson does not list the classroom.
Change DetachRoomFromClassLesson(School& school, int classNo, int lesson, int room);

// For each classroom number, the weekly hours of the class lessons that list it (once
// per listing).
using RoomLoads = std::array<int, 256>;
RoomLoads CountRoomLoads(const School& school);

}  // namespace kalvodrin
