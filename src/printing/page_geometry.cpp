#include "printing/page_geometry.h"

#include "printing/canvas.h"

namespace kalvodrin {

PageSize ChoosePageSize(bool automatic, int storedLength, int storedHeight, int printerWidth,
                        int printerHeight, bool landscape) {
  if (automatic) return {printerWidth, printerHeight};
  if (landscape) return {storedHeight, storedLength};
  return {storedLength, storedHeight};
}

PageSize TimetablePageSize(const TSettingsRec& s, const Canvas& canvas) {
  return ChoosePageSize(s.autoPageSize.get() == 1, s.pageLength.get(), s.pageHeight.get(),
                        canvas.PageWidth(), canvas.PageHeight(), canvas.Landscape());
}

PageSize SheetPageSize(const TSettingsRec& s, const Canvas& canvas) {
  return ChoosePageSize(s.sheetAutoPageSize.get() == 1, s.sheetPageLength.get(),
                        s.sheetPageHeight.get(), canvas.PageWidth(), canvas.PageHeight(),
                        canvas.Landscape());
}

}  // namespace kalvodrin
