#include "shell/main_menu.h"

namespace kalvodrin {

const std::array<MainMenuEntry, 12> kMainMenu = {{
    {MainMenuItem::kLessonPool, "BİLGİ GİRİŞİ", "DERS HAVUZU", "DersHavuzuItem"},
    {MainMenuItem::kTeachers, "BİLGİ GİRİŞİ", "ÖĞRETMEN GİRİŞİ", "OgretmenGirisiItem"},
    {MainMenuItem::kClassesAndRooms, "BİLGİ GİRİŞİ", "SINIF-DERSHANE GİRİŞİ", "SinifDershaneItem"},
    {MainMenuItem::kWeeklyHours, "BİLGİ GİRİŞİ", "DERS SAATLERİ GİRİŞİ", "DersSaatleriItem"},
    {MainMenuItem::kClassLessons, "DERS ATAMALARI", "SINIFLARA DERS ATAMA", "SiniflaraDersItem"},
    {MainMenuItem::kTeacherDistribution, "DERS ATAMALARI", "ÖĞRETMENLERE DERS ATAMA",
     "OgretmenlereDersItem"},
    {MainMenuItem::kTeacherTimetables, "PROGRAMLAR", "ÖĞRETMEN DERS PROGRAMLARI",
     "OgretmenProgramItem"},
    {MainMenuItem::kClassTimetables, "PROGRAMLAR", "SINIF DERS PROGRAMLARI", "SinifProgramItem"},
    {MainMenuItem::kSubstitution, "PROGRAMLAR", "DERS GÖREVLENDİRME", "DersGorevlendirmeItem"},
    {MainMenuItem::kBackup, "YEDEKLEME", "YEDEK AL", "YedekAlItem"},
    {MainMenuItem::kCancelPlacements, "YEDEKLEME", "YAPILMIŞ DERS DAĞITIMLARINI İPTAL ET",
     "IptalEtItem"},
    {MainMenuItem::kExit, "ÇIKIŞ", "ÇIKIŞ", "CikisItem"},
}};

const MainMenuEntry& EntryOf(MainMenuItem item) {
  for (const MainMenuEntry& e : kMainMenu)
    if (e.item == item) return e;
  return kMainMenu.back();
}

MenuDecision DecideMenuItem(const School& school, MainMenuItem item) {
  auto openIf = [](bool condition) {
    return condition ? MenuDecision::kOpen : MenuDecision::kNothing;
  };
  switch (item) {
    case MainMenuItem::kClassLessons:
      if (school.Classes.empty() && school.Lessons.empty()) return MenuDecision::kNotice;
      return openIf(!school.Classes.empty() && !school.Lessons.empty());
    case MainMenuItem::kTeacherDistribution:
      return openIf(!school.Teachers.empty() && !school.ClassLessons.empty());
    case MainMenuItem::kTeacherTimetables:
    case MainMenuItem::kClassTimetables:
    case MainMenuItem::kSubstitution: return openIf(!school.TeacherLessons.empty());
    case MainMenuItem::kCancelPlacements:
      return openIf(!school.Teachers.empty() && !school.Classes.empty());
    default:
      return MenuDecision::kOpen;
  }
}

std::string_view MenuNoticeText(MainMenuItem item) {
  return item == MainMenuItem::kClassLessons ? kNoClassesNorLessonsNotice
                                             : std::string_view();
}

}  // namespace kalvodrin
