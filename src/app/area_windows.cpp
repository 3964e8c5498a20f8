#include "app/area_windows.h"

#include "gui/assignments/assignment_windows.h"
#include "gui/duty/duty_windows.h"
#include "gui/masterdata/master_data_windows.h"
#include "gui/substitution/substitution_windows.h"
#include "gui/timetables/timetable_windows.h"

namespace kalvodrin {

std::vector<std::unique_ptr<AreaWindows>> CreateAreaWindows(AppContext context, QWidget* parent) {
  std::vector<std::unique_ptr<AreaWindows>> areas;
  areas.push_back(std::make_unique<MasterDataWindows>(context, parent));
  areas.push_back(std::make_unique<AssignmentWindows>(context, parent));
  areas.push_back(std::make_unique<TimetableWindows>(context, parent));
  areas.push_back(std::make_unique<DutyWindows>(context, parent));
  areas.push_back(std::make_unique<SubstitutionWindows>(context, parent));
  return areas;
}

}  // namespace kalvodrin
