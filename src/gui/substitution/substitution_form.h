#pragma once
// TGorevlendirmeForm ("DERS GÖREVLENDİRME"): the deputy head ticks the teachers who
// are away on a date (the whole day, or the hours typed beside them), asks for a
// proposal, changes any substitute from the ranked candidates of its hour, saves the
// plan into the term record and prints the sheet. "Boş öğretmenler" lists the teachers
// free at an hour of the date, printed or written as PDF in the sheet's layout. Every
// decision is the substitution area's; the window
// shows the plan and calls it.

#include <QDialog>

#include <filesystem>
#include <functional>

#include "core/substitution_record.h"
#include "core/substitution_sheet.h"
#include "gui/common/app_context.h"
#include "substitution/day_plan.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kalvodrin {

class Canvas;

class TGorevlendirmeForm : public QDialog {
  Q_OBJECT

 public:
  explicit TGorevlendirmeForm(AppContext context, QWidget* parent = nullptr);

  // Reads the term record, lists the teachers and shows the window.
  void Open();
  // The same without showing it. False (with the message shown) when the record
  // cannot be read: the window then saves nothing over it.
  bool Prepare();

  void OnerBtnClick();
  void KaydetBtnClick();
  void YazdirBtnClick();
  void PdfBtnClick();
  void BosYazdirBtnClick();
  void BosPdfBtnClick();
  void YeniDonemBtnClick();
  void RefreshFreeTeachers();

  // Where "PDF" and "Liste PDF" write; asks with a file dialog unless a test sets it.
  std::function<std::filesystem::path()> choosePdfFile;

  const DayPlan& plan() const { return plan_; }
  const SubstitutionRecord& record() const { return record_; }
  QTableWidget* gelmeyenGrid() const { return gelmeyenGrid_; }
  QTableWidget* planGrid() const { return planGrid_; }
  QDateEdit* tarihEdit() const { return tarihEdit_; }

 private:
  SchoolDate Date() const;
  std::vector<Absence> Absences(bool& ok);
  void ShowPlan();
  void SubstituteChosen(int row, QComboBox* box);
  // The free-teacher query of the date and hour shown, with the plan on screen counted,
  // and the teachers it finds.
  FreeQuery FreeQueryNow(std::vector<Candidate>& free) const;
  FreeTeachersSheet FreeSheetNow() const;
  void WriteUprightPdf(const std::string& title, const std::function<void(Canvas&)>& draw);

  AppContext context_;
  QDateEdit* tarihEdit_;
  QTableWidget* gelmeyenGrid_;
  QTableWidget* planGrid_;
  QLabel* ozetLabel_;
  QLabel* donemLabel_;
  QLabel* gunLabel_;
  QSpinBox* bosSaatSpin_;
  QListWidget* bosList_;
  QPushButton* kaydetBtn_;
  QPushButton* yazdirBtn_;
  QPushButton* pdfBtn_;
  QPushButton* bosYazdirBtn_;
  SubstitutionRecord record_;
  bool recordRead_ = false;
  DayPlan plan_;
};

}  // namespace kalvodrin
