#include "core/settings_record.h"

#include <cstring>

namespace kalvodrin {

TSettingsRec DefaultSettings() {
  TSettingsRec s;
  std::memset(&s, 0, sizeof s);
  s.maxGapsPerWeek = 3;
  s.maxGapBetweenLessons = 2;
  s.sameClassDifferentDays = 1;
  s.maxHoursPerDay = 6;
  s.searchLevel = 8;
  s.autoRelax = 1;
  s.alignedBlocks = 1;
  s.autoOptions.fill(1);
  s.topMargin.set(30);
  s.leftMargin.set(30);
  s.pageLength.set(1830);
  s.pageHeight.set(1683);
  s.autoPageSize.set(1);
  s.twoPerPage.set(1);
  s.fontSize.set(9);
  s.sheetTopMargin.set(30);
  s.sheetLeftMargin.set(30);
  s.sheetPageLength.set(3700);
  s.sheetPageHeight.set(1683);
  s.sheetAutoPageSize.set(1);
  s.sheetFontSize.set(8);
  s.fontName.assign("Courier New");
  s.sheetFontName.assign("Courier New");
  s.weekdaysOnly = 1;
  return s;
}

}  // namespace kalvodrin
