#pragma once
// Turns a planned school into records through the same operations the windows use.

#include "core/school.h"
#include "school_plan.h"

namespace kalvodrin::samples {

// Replaces the school's collections, annex flags and settings with the plan's.
void WritePlan(const SchoolPlan& plan, School& school);

}  // namespace kalvodrin::samples
