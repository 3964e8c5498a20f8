#include "masterdata_screens.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include "core/record_creation.h"
#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/masterdata/class_forms.h"
#include "gui/masterdata/hours_forms.h"
#include "gui/masterdata/lesson_forms.h"
#include "gui/masterdata/lesson_group_forms.h"
#include "gui/masterdata/room_forms.h"
#include "gui/masterdata/teacher_forms.h"
#include "masterdata/class_hours.h"
#include "masterdata/classes.h"
#include "masterdata/lessons.h"
#include "masterdata/teachers.h"

namespace kalvodrin {
namespace {

std::string Cp(const char* utf8) { return ToRecordText(U8(utf8)); }

void FillSampleSchool(School& s) {
  for (const char* g : {"SAYISAL", "SÖZEL"}) SaveNewLessonGroup(s, Cp(g));
  const struct {
    const char* name;
    const char* shortName;
    const char* hours;
    const char* pattern;
  } lessons[] = {{"TÜRK DİLİ VE EDEBİYATI", "TDE", "5", "2+2+1"},
                 {"MATEMATİK", "MAT", "6", "2+2+2"},
                 {"FİZİK", "FİZ", "3", "2+1"},
                 {"ÇEVRE BİLİMİ", "ÇEV", "1", "1"},
                 {"İNGİLİZCE", "İNG", "4", "2+2"},
                 {"BEDEN EĞİTİMİ", "BED", "2", "2"},
                 {"DİN KÜLTÜRÜ VE AHLAK BİLGİSİ", "DKAB", "2", "1+1"},
                 {"ÖZEL ŞAN", "ŞAN", "1", "1"}};
  for (const auto& l : lessons)
    SaveNewLesson(s, {Cp(l.name), Cp(l.shortName), l.hours, l.pattern});
  for (TLessonRec& l : s.Lessons)
    if (l.name.view() == Cp("MATEMATİK") || l.name.view() == Cp("FİZİK")) l.group = 1;
  for (const char* c : {"9 A", "9 B", "10 FEN", "11 TM", "12 Ş"}) {
    const std::string text = Cp(c);
    const std::size_t blank = text.find(' ');
    SaveNewClass(s, text.substr(0, blank), text.substr(blank + 1));
  }
  ToggleClassAnnex(s, 2);
  for (const char* r : {"FİZİK LAB.", "KİMYA LAB.", "SPOR SALONU", "ÇOK AMAÇLI"}) SaveNewRoom(s, Cp(r));
  const struct {
    const char* name;
    const char* branch;
    const char* classOf;
    const char* club;
  } teachers[] = {{"AYŞE IŞIK", "MATEMATİK", "9 A", "SATRANÇ"},
                  {"ÖMER ÇELİK", "TÜRK DİLİ", "10 FEN", "MÜNAZARA"},
                  {"ŞÜKRÜ ĞÜNEŞ", "FİZİK", "", "BİLİM"},
                  {"İLKNUR ÜNAL", "İNGİLİZCE", "11 TM", ""}};
  for (const auto& t : teachers)
    SaveNewTeacher(s, {Cp(t.name), Cp(t.branch), Cp(t.classOf), Cp(t.club)});
  ClassHours h = ClassHoursOf(s, 3);
  h.first = {1, 1, 2, 1, 1};
  h.last = {7, 8, 7, 6, 5};
  SetClassHours(s, 3, h);
  std::array<std::string, 16> times;
  const char* clock[] = {"08:30", "09:20", "10:10", "11:00", "11:50", "13:00", "13:50", "14:40"};
  for (std::size_t i = 0; i < 8; ++i) times[i] = clock[i];
  SaveStartTimes(s, times);
  SaveFiles(s, FileSet::All());
}

void SelectFirst(ListWindow& window) {
  window.grid()->SelectRow(1);
  window.grid()->setFocus();
}

}  // namespace

void RenderMasterDataWindows(const SaveWindow& save, const std::filesystem::path& root) {
  School school;
  school.WorkFolder = root / "masterdata";
  if (!LoadSchool(school).ok()) return;
  TSilForm sil;
  THelpForm help;
  const AppContext context{school, sil, help};

  TDerslikForm emptyRooms(context);
  ShowAndSave(save, emptyRooms, "masterdata_rooms_empty");
  emptyRooms.close();
  FillSampleSchool(school);

  TDerslerForm pool(context);
  ShowAndSave(save, pool, "masterdata_lesson_pool");
  // A pattern that does not add up: the save button is grey and says why.
  const struct {
    const char* box;
    const char* text;
  } typed[] = {{"Edit1", "KİMYA"}, {"Edit2", "KİM"}, {"Edit3", "4"}, {"Edit4", "2+1"}};
  for (const auto& t : typed) pool.findChild<QLineEdit*>(t.box)->setText(U8(t.text));
  save(&pool, "masterdata_lesson_pool_save_reason");
  for (const auto& t : typed) pool.findChild<QLineEdit*>(t.box)->clear();
  SelectFirst(pool);
  CaptureNextModal(save, "masterdata_lesson_edit", &pool);
  pool.DuzeltBtnClick();
  TDersGrupForm& groups = pool.groupForm();
  ShowAndSave(save, groups, "masterdata_lesson_groups");
  CaptureNextModal(save, "masterdata_lesson_group_edit", &groups);
  groups.DuzeltBtnClick();
  groups.close();
  CaptureNextModal(save, "masterdata_delete_confirmation", &pool);
  pool.SilBtnClick();
  pool.close();

  TSinifForm classes(context);
  ShowAndSave(save, classes, "masterdata_classes");
  SelectFirst(classes);
  CaptureNextModal(save, "masterdata_class_edit", &classes);
  classes.DuzeltBtnClick();
  TDerslikForm& rooms = classes.roomForm();
  ShowAndSave(save, rooms, "masterdata_rooms");
  CaptureNextModal(save, "masterdata_room_edit", &rooms);
  rooms.DuzeltBtnClick();
  rooms.close();
  classes.close();

  TOgretmenForm teachers(context);
  ShowAndSave(save, teachers, "masterdata_teachers");
  SelectFirst(teachers);
  teachers.grid()->searchBox()->ToggleFromGrid(U8("ş"));
  save(&teachers, "masterdata_teachers_search");
  CaptureNextModal(save, "masterdata_teacher_edit", &teachers);
  teachers.DuzeltBtnClick();
  teachers.close();

  TGDSForm hours(context);
  ShowAndSave(save, hours, "masterdata_weekly_hours");
  hours.grid()->SelectRow(2);
  save(&hours, "masterdata_weekly_hours_10_fen");
  CaptureNextModal(save, "masterdata_start_times", &hours);
  hours.SaatlerBtnClick();
  hours.close();
}

}  // namespace kalvodrin
