#include "sample_school.h"

#include <algorithm>

#include "plan_writer.h"
#include "school_plan.h"

namespace kalvodrin {

void BuildSampleSchool(School& school) {
  samples::PlanOptions options;
  options.classes = 24;
  options.sample = true;
  samples::WritePlan(samples::PlanSchool(options), school);
}

void BuildGeneratedSchool(School& school, int classes, uint32_t seed) {
  samples::PlanOptions options;
  options.classes = std::clamp(classes, 1, kMaxGeneratedClasses);
  options.seed = seed;
  samples::WritePlan(samples::PlanSchool(options), school);
}

void BuildShiftSchool(School& school, int classes, uint32_t seed) {
  samples::PlanOptions options;
  options.classes = std::clamp(classes, 1, kMaxGeneratedClasses);
  options.seed = seed;
  options.sixHourShifts = true;
  samples::WritePlan(samples::PlanSchool(options), school);
}

}  // namespace kalvodrin
