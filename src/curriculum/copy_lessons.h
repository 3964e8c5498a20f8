#pragma once
// Copying lessons between classes ("SINIFLAR ARASI DERS KOPYALA"): classes of one
// grade usually take the same lessons.

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The class proposed as the source when lessons are copied to the target: the class
// shown just above it, or the target itself when it is the first class. 0 for an
// unknown target.
int ProposedCopySource(const School& school, int target);

// Every lesson of the source class that the target does not take yet becomes a new
// class lesson of the target (no teachers, classrooms or common group), appended in
// the source's order after the target's lessons. No capacity check is made: the
// user copies a grade's lessons first and trims them after. Rewrites DUDIZIR2.LOF;
// number = lessons copied; kUnchanged when none was.
Change CopyClassLessons(School& school, int source, int target);

}  // namespace kalvodrin
