#pragma once
// What the printing windows offer the windows of every other area, which must not
// know them: the composition root gives each window the program's one implementation
// through AppContext::printing (nullptr where a test or build has none; a window then
// keeps its print button disabled). Every print shows a preview first; the preview's
// print button opens the system print dialog, which can also write a PDF file.
//
//   Timetable windows ("YAZDIR", F9 / F2):
//       context.printing->PrintFromTimetableWindow(TimetableView::kTeacher, teacherNo);
//     opens the print dialog "YAZDIR" (Seçim / Tümü / Çarşaf), prints the choice and
//     reloads the settings record afterwards, as those windows expect.
//   Teachers window (F9):         context.printing->PrintTeacherList();
//   Duty chart window ("Yazdır"): context.printing->PrintDutyChart();
//   Changed teachers ("Yazdır"):  context.printing->PrintTeacherTimetables(numbers);
//   General settings ("YAZICI AYARLARI"): context.printing->OpenPrinterSettings();
//   Substitution plan ("Yazdır"):  context.printing->PrintSubstitutionSheet(sheet);
//   Free teachers ("Listeyi Yazdır"): context.printing->PrintFreeTeachers(sheet);

#include <vector>

#include "core/substitution_sheet.h"

namespace kalvodrin {

enum class TimetableView { kTeacher, kClass, kRoom };

class PrintRequests {
 public:
  // The selected entity's number; the dialog's help topic follows the view
  // (120 teacher, 129 class, 131 classroom). True when something was printed.
  virtual bool PrintFromTimetableWindow(TimetableView view, int selected) = 0;
  virtual bool PrintTeacherList() = 0;
  virtual bool PrintDutyChart() = 0;
  // The weekly timetables of these teachers, in the order given, one document.
  virtual bool PrintTeacherTimetables(const std::vector<int>& teachers) = 0;
  // The day's substitution sheet "DERS GÖREVLENDİRME ÇİZELGESİ", upright. Printers
  // that have no such sheet print nothing.
  virtual bool PrintSubstitutionSheet(const SubstitutionSheet& /*sheet*/) { return false; }
  // The teachers free at an hour, "BOŞ ÖĞRETMENLER", upright, in the sheet's layout.
  virtual bool PrintFreeTeachers(const FreeTeachersSheet& /*sheet*/) { return false; }
  // The printer settings window "YAZICI AYARLARI".
  virtual void OpenPrinterSettings() = 0;

 protected:
  ~PrintRequests() = default;
};

}  // namespace kalvodrin
