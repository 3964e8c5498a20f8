#include "printing/printer_settings.h"

namespace kalvodrin {
namespace {

// The settings fields of one group: the weekly timetables' or the sheets'.
struct PageFieldsIn {
  LeI32& topMargin;
  LeI32& leftMargin;
  LeI32& pageLength;
  LeI32& pageHeight;
  LeI32& autoPageSize;
  LeI32& fontSize;
  PStr<40>& fontName;
};

PageFieldsIn TimetableGroup(TSettingsRec& s) {
  return {s.topMargin,    s.leftMargin, s.pageLength, s.pageHeight,
          s.autoPageSize, s.fontSize,   s.fontName};
}

PageFieldsIn SheetGroup(TSettingsRec& s) {
  return {s.sheetTopMargin,    s.sheetLeftMargin, s.sheetPageLength, s.sheetPageHeight,
          s.sheetAutoPageSize, s.sheetFontSize,   s.sheetFontName};
}

PageFields Read(const PageFieldsIn& in) {
  return {in.topMargin.get(),         in.leftMargin.get(), in.pageLength.get(), in.pageHeight.get(),
          in.autoPageSize.get() != 0, in.fontSize.get(),   in.fontName.str()};
}

void Write(const PageFieldsIn& out, const PageFields& f) {
  out.topMargin.set(f.topMargin);
  out.leftMargin.set(f.leftMargin);
  out.pageLength.set(f.pageLength);
  out.pageHeight.set(f.pageHeight);
  out.autoPageSize.set(f.autoPageSize ? 1 : 0);
  out.fontSize.set(f.fontSize);
  out.fontName.assign(f.fontName);
}

}  // namespace

PrinterFields PrinterFieldsOf(const TSettingsRec& settings) {
  TSettingsRec s = settings;  // the groups are read through references
  PrinterFields f;
  f.timetable = Read(TimetableGroup(s));
  f.printLessonList = s.printLessonList.get() != 0;
  f.twoPerPage = s.twoPerPage.get() != 0;
  f.sheet = Read(SheetGroup(s));
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
  Write(TimetableGroup(s), f.timetable);
  s.printLessonList.set(f.printLessonList ? 1 : 0);
  s.twoPerPage.set(f.twoPerPage ? 1 : 0);
  Write(SheetGroup(s), f.sheet);
  s.sheetNoHalfDaySplit.set(f.sheetNoHalfDaySplit ? 1 : 0);
  s.sheetPrintRooms.set(f.sheetPrintRooms ? 1 : 0);
}

}  // namespace kalvodrin
