#include "duty_screens.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "core/record_creation.h"
#include "core/storage.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "gui/common/help_window.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/duty/duty_chart_form.h"
#include "gui/duty/duty_forms.h"
#include "gui/duty/duty_place_forms.h"
#include "gui/duty/duty_proposal_form.h"

namespace kalvodrin {
namespace {

std::string Cp(const char* utf8) { return ToRecordText(U8(utf8)); }

// Six teachers who teach on most days, four places and a week of duties, one of them
// on a Saturday.
void FillDutySchool(School& s) {
  const char* teachers[] = {"AYŞE IŞIK",   "ÖMER ÇELİK",    "ŞÜKRÜ ĞÜNEŞ",
                            "İLKNUR ÜNAL", "GÜLŞEN ÖZTÜRK", "ÇAĞRI İNCE"};
  int number = 0;
  for (const char* t : teachers) {
    AddTeacher(s, ++number, Cp(t), "", "", "");
    TTeacherGridRec& g = NewTeacherGrid(s, number);
    for (int day = 1; day <= 5; ++day)
      if (day != number % 5 + 1) g.occupant[static_cast<std::size_t>((day - 1) * 16)] = 1;
  }
  s.ReindexTeachers();
  s.ReindexTeacherGrids();
  for (const char* p : {"BAHÇE", "ZEMİN KAT", "BİRİNCİ KAT", "KANTİN VE SPOR SALONU ÖNÜ"})
    SaveNewDutyPlace(s, Cp(p));
  s.Settings.weekdaysOnly = 0;
  GiveDuty(s, 1, 1, 1);
  GiveDuty(s, 1, 1, 2);
  GiveDuty(s, 1, 3, 3);
  GiveDuty(s, 2, 2, 1);
  GiveDuty(s, 3, 5, 4);
  GiveDuty(s, 4, 6, 1);
  SaveFiles(s, FileSet::All());
}

}  // namespace

void RenderDutyWindows(const SaveWindow& save, const std::filesystem::path& root) {
  School school;
  school.WorkFolder = root / "duty";
  if (!LoadSchool(school).ok()) return;
  TSilForm sil;
  THelpForm help;
  const AppContext context{school, sil, help};
  FillDutySchool(school);

  TNobetVerForm distribution(context);
  ShowAndSave(save, distribution, "duty_distribution");
  distribution.nobetGrid()->setFocus();
  save(&distribution, "duty_distribution_teacher_duties");
  CaptureNextModal(save, "duty_remove_confirmation", &distribution);
  distribution.DelBtnClick();
  distribution.close();

  TNobetForm& places = distribution.placesForm();
  ShowAndSave(save, places, "duty_places");
  places.grid()->SelectRow(3);
  CaptureNextModal(save, "duty_place_edit", &places);
  places.DuzeltBtnClick();
  places.close();

  TBosYerForm& chart = distribution.chartForm();
  chart.Fill(1);
  ShowAndSave(save, chart, "duty_chart");
  chart.close();

  TNobetOneriForm& proposal = distribution.proposalForm();
  proposal.Prepare();
  ShowAndSave(save, proposal, "duty_proposal_choices");
  proposal.OnerBtnClick();
  save(&proposal, "duty_proposal");
  proposal.close();
}

}  // namespace kalvodrin
