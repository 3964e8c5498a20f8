#include "substitution_screens.h"

#include <QDateEdit>
#include <QTableWidget>

#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/substitution/substitution_form.h"
#include "substitution_school.h"

namespace kalvodrin {

void RenderSubstitutionWindows(const SaveWindow& save, const std::filesystem::path& root) {
  SchoolBuilder b;
  School school = testing::SubstitutionSchool(b);
  school.WorkFolder = root / "substitution";
  std::filesystem::create_directories(school.WorkFolder);
  if (!SaveFiles(school, FileSet::All()).ok()) return;
  TSilForm sil;
  THelpForm help;
  const AppContext context{school, sil, help};
  TGorevlendirmeForm form(context);
  form.Prepare();
  form.tarihEdit()->setDate(QDate(2026, 12, 7));
  form.gelmeyenGrid()->item(0, 0)->setCheckState(Qt::Checked);
  form.gelmeyenGrid()->item(1, 0)->setCheckState(Qt::Checked);
  form.gelmeyenGrid()->item(1, 1)->setText("3");
  form.OnerBtnClick();
  ShowAndSave(save, form, "substitution_plan");
  form.close();
  help.Load("gorevlendirme");
  ShowAndSave(save, help, "substitution_help");
  help.close();
}

}  // namespace kalvodrin
