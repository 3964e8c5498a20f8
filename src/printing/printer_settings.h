#pragma once
// The printer fields of the settings record as the printer settings window edits
// them: two groups of the same shape, the weekly timetables' and the overview
// sheets'. Font names are cp1254, as stored.

#include <string>

#include "core/settings_record.h"

namespace kalvodrin {

struct PageFields {
  int topMargin = 0;
  int leftMargin = 0;
  int pageLength = 0;
  int pageHeight = 0;
  bool autoPageSize = false;
  int fontSize = 0;
  std::string fontName;
};

struct PrinterFields {
  PageFields timetable;
  bool printLessonList = false;
  bool twoPerPage = false;
  PageFields sheet;
  bool sheetNoHalfDaySplit = false;
  bool sheetPrintRooms = false;
};

inline constexpr int kMaxFontSize = 72;

PrinterFields PrinterFieldsOf(const TSettingsRec& settings);

// Empty when the fields can be stored; otherwise the notice that refuses them (a
// font size outside 1..72 would make every printout unreadable or empty).
std::string PrinterFieldsProblem(const PrinterFields& fields);

// Requires: PrinterFieldsProblem(fields) is empty.
void StorePrinterFields(TSettingsRec& settings, const PrinterFields& fields);

}  // namespace kalvodrin
