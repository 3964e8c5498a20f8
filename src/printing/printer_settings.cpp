#include "printing/printer_settings.h"

namespace kalvodrin {

PrinterFields PrinterFieldsOf(const TSettingsRec& s) {
  PrinterFields f;
  f.timetable = {s.topMargin.get(),  s.leftMargin.get(),        s.pageLength.get(),
                 s.pageHeight.get(), s.autoPageSize.get() != 0, s.fontSize.get(),
                 s.fontName.str()};
  f.printLessonList = s.printLessonList.get() != 0;
  f.twoPerPage = s.twoPerPage.get() != 0;
  f.sheet = {s.sheetTopMargin.get(),  s.sheetLeftMargin.get(),        s.sheetPageLength.get(),
             s.sheetPageHeight.get(), s.sheetAutoPageSize.get() != 0, s.sheetFontSize.get(),
             s.sheetFontName.str()};
  f.sheetNoHalfDaySplit = s.sheetNoHalfDaySplit.get() != 0;
  f.sheetPrintRooms = s.sheetPrintRooms.get() != 0;
  return f;
}

std::string PrinterFieldsProblem(const PrinterFields& f) {
  for (int size : {f.timetable.fontSize, f.sheet.fontSize})
    if (size < 1 || size > kMaxFontSize)
      return "FONT B\xDCY\xDCKL\xDC\xD0\xDC 1 \xDDLE 72 ARASINDA OLMALIDIR";
  return {};
}

void StorePrinterFields(TSettingsRec& s, const PrinterFields& f) {
  s.topMargin.set(f.timetable.topMargin);
  s.leftMargin.set(f.timetable.leftMargin);
  s.pageLength.set(f.timetable.pageLength);
  s.pageHeight.set(f.timetable.pageHeight);
  s.autoPageSize.set(f.timetable.autoPageSize ? 1 : 0);
  s.fontSize.set(f.timetable.fontSize);
  s.fontName.assign(f.timetable.fontName);
  s.printLessonList.set(f.printLessonList ? 1 : 0);
  s.twoPerPage.set(f.twoPerPage ? 1 : 0);
  s.sheetTopMargin.set(f.sheet.topMargin);
  s.sheetLeftMargin.set(f.sheet.leftMargin);
  s.sheetPageLength.set(f.sheet.pageLength);
  s.sheetPageHeight.set(f.sheet.pageHeight);
  s.sheetAutoPageSize.set(f.sheet.autoPageSize ? 1 : 0);
  s.sheetFontSize.set(f.sheet.fontSize);
  s.sheetFontName.assign(f.sheet.fontName);
  s.sheetNoHalfDaySplit.set(f.sheetNoHalfDaySplit ? 1 : 0);
  s.sheetPrintRooms.set(f.sheetPrintRooms ? 1 : 0);
}

}  // namespace kalvodrin
