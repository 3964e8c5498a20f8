#pragma once
// The program-wide options: the single 568-byte record of DUDIZIRQ.LOF.
//   0..17   scheduling flags and limits (one byte each)
//   20..28  the nine flags of the automatic-settings window
//   40..103 printer layout, 4-byte little-endian numbers
//   140,181 font names, String[40]
//   222..226 guidance lesson and its two slots
//   227     16 lesson start times, String[5] each
//   323     duty roster on weekdays only
//   405..547 school, principal and deputy names
// Reserved bytes are kept exactly as read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/pstr.h"

namespace kalvodrin {

inline constexpr int kHoursPerDay = 16;
inline constexpr int kDays = 5;
inline constexpr int kCells = kDays * kHoursPerDay;

struct TSettingsRec {
  uint8_t gapsAllowed;
  uint8_t maxGapsPerWeek;
  uint8_t maxGapBetweenLessons;
  uint8_t sameClassDifferentDays;
  uint8_t dayBetweenDays;
  uint8_t differentHours;
  uint8_t groupDifferentDays;
  uint8_t maxHoursPerDay;
  uint8_t searchLevel;
  uint8_t chiefDeputy;
  uint8_t mergeOnePlusOne;
  uint8_t splitBlock;
  uint8_t moreThanTwoPerDay;
  uint8_t gapLimitPerDay;
  uint8_t autoRelax;
  uint8_t evenDays;
  uint8_t alignedBlocks;
  uint8_t reorganise;
  std::array<uint8_t, 2> reserved18;
  std::array<uint8_t, 9> autoOptions;
  std::array<uint8_t, 11> reserved29;
  LeI32 topMargin;
  LeI32 leftMargin;
  LeI32 pageLength;
  LeI32 pageHeight;
  LeI32 autoPageSize;
  LeI32 printLessonList;
  LeI32 twoPerPage;
  LeI32 fontSize;
  LeI32 sheetTopMargin;
  LeI32 sheetLeftMargin;
  LeI32 sheetPageLength;
  LeI32 sheetPageHeight;
  LeI32 sheetAutoPageSize;
  LeI32 sheetNoHalfDaySplit;
  LeI32 sheetPrintRooms;
  LeI32 sheetFontSize;
  std::array<uint8_t, 36> reserved104;
  PStr<40> fontName;
  PStr<40> sheetFontName;
  uint8_t guidanceLesson;
  uint8_t guidanceDayMorning;
  uint8_t guidanceHourMorning;
  uint8_t guidanceDayAfternoon;
  uint8_t guidanceHourAfternoon;
  std::array<PStr<5>, kHoursPerDay> startTimes;
  uint8_t weekdaysOnly;
  std::array<uint8_t, 81> reserved324;
  PStr<80> schoolName;
  PStr<30> principalName;
  PStr<30> deputyName;
  std::array<uint8_t, 20> reserved548;
};
static_assert(std::is_trivially_copyable_v<TSettingsRec>);
static_assert(sizeof(TSettingsRec) == 568);
static_assert(offsetof(TSettingsRec, searchLevel) == 8);
static_assert(offsetof(TSettingsRec, alignedBlocks) == 16);
static_assert(offsetof(TSettingsRec, reorganise) == 17);
static_assert(offsetof(TSettingsRec, autoOptions) == 20);
static_assert(offsetof(TSettingsRec, topMargin) == 40);
static_assert(offsetof(TSettingsRec, pageLength) == 48);
static_assert(offsetof(TSettingsRec, fontSize) == 68);
static_assert(offsetof(TSettingsRec, sheetTopMargin) == 72);
static_assert(offsetof(TSettingsRec, sheetPageLength) == 80);
static_assert(offsetof(TSettingsRec, sheetFontSize) == 100);
static_assert(offsetof(TSettingsRec, fontName) == 140);
static_assert(offsetof(TSettingsRec, sheetFontName) == 181);
static_assert(offsetof(TSettingsRec, guidanceLesson) == 222);
static_assert(offsetof(TSettingsRec, guidanceHourAfternoon) == 226);
static_assert(offsetof(TSettingsRec, startTimes) == 227);
static_assert(offsetof(TSettingsRec, weekdaysOnly) == 323);
static_assert(offsetof(TSettingsRec, schoolName) == 405);
static_assert(offsetof(TSettingsRec, principalName) == 486);
static_assert(offsetof(TSettingsRec, deputyName) == 517);
static_assert(offsetof(TSettingsRec, reserved548) == 548);

// The record written when DUDIZIRQ.LOF is missing.
TSettingsRec DefaultSettings();


}  // namespace kalvodrin
