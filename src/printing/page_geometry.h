#pragma once
// The page a printout is laid out on. Either the printer's own page, or the lengths
// stored in the settings, which are written for a portrait page and swap in landscape.

#include "core/settings_record.h"

namespace kalvodrin {

class Canvas;

struct PageSize {
  int width = 0;
  int height = 0;
};

// The weekly timetables' page (topMargin group of the settings).
PageSize TimetablePageSize(const TSettingsRec& settings, const Canvas& canvas);
// The overview sheets' page (sheet group of the settings).
PageSize SheetPageSize(const TSettingsRec& settings, const Canvas& canvas);

// The rule both use: the printer's page when `automatic`, else the stored lengths.
PageSize ChoosePageSize(bool automatic, int storedLength, int storedHeight, int printerWidth,
                        int printerHeight, bool landscape);

}  // namespace kalvodrin
