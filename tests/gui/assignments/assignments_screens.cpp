#include "assignments_screens.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "core/storage.h"
#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/common_lessons_form.h"
#include "gui/assignments/copy_form.h"
#include "gui/assignments/room_assign_form.h"
#include "gui/assignments/teacher_lessons_form.h"
#include "gui/assignments/teacher_question_forms.h"
#include "gui/common/help_window.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

School SampleAssignments() {
  SchoolBuilder b;
  b.Teacher("AYŞE IŞIK", "MATEMATİK").Teacher("ÖMER ÇELİK", "TÜRK DİLİ")
      .Teacher("ŞÜKRÜ ĞÜNEŞ", "BEDEN");
  b.Room("SPOR SALONU").Room("FİZİK LAB.");
  b.Lesson("DİN KÜLTÜRÜ VE AHLAK BİLGİSİ", 2, "1+1");
  for (const char* section : {"A", "B"})
    b.Class("9", section).Lesson("MATEMATİK", 6, "2+2+2").Lesson("TÜRK DİLİ VE EDEBİYATI", 5, "2+2+1")
        .Lesson("BEDEN EĞİTİMİ", 2, "2").Lesson("FİZİK", 3, "2+1");
  b.Class("12", "Ş").Hours(5, 10).Lesson("MATEMATİK", 6, "2+2+2");
  b.Common({"9 A", "9 B"}, "BEDEN EĞİTİMİ").InRoom("SPOR SALONU").Teach("ŞÜKRÜ ĞÜNEŞ", "9 A", "BEDEN EĞİTİMİ");
  b.In("9 A").Lesson("FİZİK", 3, "").InRoom("FİZİK LAB.");
  b.Teach("AYŞE IŞIK", "9 A", "MATEMATİK").Teach("AYŞE IŞIK", "12 Ş", "MATEMATİK");
  b.Teach("ÖMER ÇELİK", "9 A", "TÜRK DİLİ VE EDEBİYATI");
  return b.Build();
}

}  // namespace

void RenderAssignmentWindows(const SaveWindow& save, const std::filesystem::path& root) {
  School school = SampleAssignments();
  school.WorkFolder = root / "assignments";
  std::filesystem::create_directories(school.WorkFolder);
  if (!SaveFiles(school, FileSet::All()).ok()) return;
  TSilForm sil;
  THelpForm help;
  const AppContext context{school, sil, help};

  TSnfDrsForm classLessons(context);
  classLessons.show();
  QApplication::processEvents();
  save(&classLessons, "assignments_class_lessons");
  CaptureNextModal(save, "assignments_common_lessons", &classLessons);
  classLessons.CommonBtnClick();
  CaptureNextModal(save, "assignments_copy", &classLessons);
  classLessons.CopyBtnClick();
  CaptureNextModal(save, "assignments_classrooms", &classLessons);
  classLessons.DerslikBtnClick();
  CaptureNextModal(save, "assignments_remove_confirmation", &classLessons);
  classLessons.DelBtnClick();
  classLessons.close();

  TOgrDrsForm teacherLessons(context);
  teacherLessons.show();
  QApplication::processEvents();
  save(&teacherLessons, "assignments_teacher_lessons");
  CaptureNextModal(save, "assignments_unassigned", &teacherLessons);
  teacherLessons.NullBtnClick();
  CaptureNextModal(save, "assignments_second_teacher", &teacherLessons);
  teacherLessons.bfoForm().Ask(" AYŞE IŞIK,");
  teacherLessons.close();
}

}  // namespace kalvodrin
