#pragma once
// The main window's menu: its items in display order, their Turkish captions, and the
// test each item makes before its window opens.

#include <array>
#include <string_view>

#include "core/school.h"

namespace kalvodrin {

enum class MainMenuItem {
  kLessonPool,  // BİLGİ GİRİŞİ
  kTeachers,
  kClassesAndRooms,
  kWeeklyHours,
  kClassLessons,  // DERS ATAMALARI
  kTeacherDistribution,
  kTeacherTimetables,  // PROGRAMLAR
  kClassTimetables,
  kSubstitution,  // the daily substitution plan
  kBackup,        // YEDEKLEME
  kCancelPlacements,
  kExit,  // ÇIKIŞ
};

struct MainMenuEntry {
  MainMenuItem item;
  std::string_view menu;     // UTF-8
  std::string_view caption;  // UTF-8
  std::string_view objectName;
};

// In menu order; entries of one menu are adjacent.
extern const std::array<MainMenuEntry, 12> kMainMenu;

const MainMenuEntry& EntryOf(MainMenuItem item);

enum class MenuDecision {
  kOpen,     // open the item's window
  kNothing,  // the condition failed: nothing at all happens
  kNotice,   // show MenuNoticeText instead of the window
};

inline constexpr std::string_view kNoClassesNorLessonsNotice =
    "Hiçbir DERS ve SINIF tanımlanmamış. Bilgi girişinden tanımlamaları yapınız.";

// What choosing the item does with the school as it is now.
MenuDecision DecideMenuItem(const School& school, MainMenuItem item);

// The text shown for kNotice (empty for the other decisions).
std::string_view MenuNoticeText(MainMenuItem item);

inline constexpr std::string_view kRestoreExitNotice =
    "Ayarlarınız düzenlenmesi için  program kapatılacak. Programı yeniden açtığınızda "
    "önceki bilgileriniz tekrar yüklenmiş olacaktır.";

}  // namespace kalvodrin
