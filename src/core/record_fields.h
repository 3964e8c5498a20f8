#pragma once
// Every field of every record by name, in record order, for code that treats records
// field by field (the JSON form of a school). `Fields(visit, record)` calls
// `visit(name, field)` for each field; `record` may be const or not. A visitor takes
// uint8_t, PStr<N>, std::array<uint8_t, N>, LeI32, TeacherRules (whose own fields are
// listed by Fields too) and the settings' array of start times. Together the fields
// cover each record's bytes exactly, except the grids' link slots.

#include <type_traits>

#include "core/assignment_records.h"
#include "core/grid_records.h"
#include "core/master_records.h"
#include "core/settings_record.h"

namespace kalvodrin {

template <typename R, typename T>
concept RecordOf = std::is_same_v<std::remove_const_t<R>, T>;

template <typename V, RecordOf<TLessonGroupRec> R>
void Fields(V& v, R& r) {
  v("number", r.number);
  v("name", r.name);
}

template <typename V, RecordOf<TLessonRec> R>
void Fields(V& v, R& r) {
  v("number", r.number);
  v("name", r.name);
  v("shortName", r.shortName);
  v("group", r.group);
  v("weeklyHours", r.weeklyHours);
  v("divisible", r.divisible);
  v("notAtHour", r.notAtHour);
  v("blockCount", r.blockCount);
  v("notAfterHour", r.notAfterHour);
  v("pattern", r.pattern);
}

template <typename V, RecordOf<TClassRec> R>
void Fields(V& v, R& r) {
  v("order", r.order);
  v("number", r.number);
  v("name", r.name);
  v("section", r.section);
}

template <typename V, RecordOf<TRoomRec> R>
void Fields(V& v, R& r) {
  v("order", r.order);
  v("number", r.number);
  v("name", r.name);
}

template <typename V, RecordOf<TTeacherRec> R>
void Fields(V& v, R& r) {
  v("order", r.order);
  v("number", r.number);
  v("name", r.name);
  v("branch", r.branch);
  v("classTeacherOf", r.classTeacherOf);
  v("club", r.club);
}

template <typename V, RecordOf<TDutyPlaceRec> R>
void Fields(V& v, R& r) {
  v("order", r.order);
  v("number", r.number);
  v("name", r.name);
  v("perDay", r.perDay);
}

template <typename V, RecordOf<TClassLessonRec> R>
void Fields(V& v, R& r) {
  v("classNo", r.classNo);
  v("lesson", r.lesson);
  v("divisible", r.divisible);
  v("blockCount", r.blockCount);
  v("teacherCount", r.teacherCount);
  v("commonGroup", r.commonGroup);
  v("roomCount", r.roomCount);
  v("teachers", r.teachers);
  v("rooms", r.rooms);
  v("pattern", r.pattern);
}

template <typename V, RecordOf<TCommonGroupRec> R>
void Fields(V& v, R& r) {
  v("number", r.number);
  v("count", r.count);
  v("classes", r.classes);
  v("lessons", r.lessons);
}

template <typename V, RecordOf<TDutyRec> R>
void Fields(V& v, R& r) {
  v("place", r.place);
  v("day", r.day);
  v("teacher", r.teacher);
}

template <typename V, RecordOf<TTeacherLessonRec> R>
void Fields(V& v, R& r) {
  v("teacher", r.teacher);
  v("classNo", r.classNo);
  v("lesson", r.lesson);
}

template <typename V, RecordOf<TeacherRules> R>
void Fields(V& v, R& r) {
  v("gapsAllowed", r.gapsAllowed);
  v("maxGapsPerWeek", r.maxGapsPerWeek);
  v("maxGapBetweenLessons", r.maxGapBetweenLessons);
  v("sameClassDifferentDays", r.sameClassDifferentDays);
  v("dayBetweenDays", r.dayBetweenDays);
  v("differentHours", r.differentHours);
  v("groupDifferentDays", r.groupDifferentDays);
  v("maxHoursPerDay", r.maxHoursPerDay);
}

template <typename V, RecordOf<TTeacherGridRec> R>
void Fields(V& v, R& r) {
  v("teacher", r.teacher);
  v("windowCells", r.windowCells);
  v("morningHours", r.morningHours);
  v("afternoonHours", r.afternoonHours);
  v("weeklyHours", r.weeklyHours);
  v("searchMark", r.searchMark);
  v("firstUsable", r.firstUsable);
  v("lastUsable", r.lastUsable);
  v("usablePerDay", r.usablePerDay);
  v("effective", r.effective);
  v("unused29", r.unused29);
  v("special", r.special);
  v("runSpare39", r.runSpare39);
  v("runSpare40", r.runSpare40);
  v("sameDayAllowance", r.sameDayAllowance);
  v("slack", r.slack);
  v("evenSpread", r.evenSpread);
  v("evenTarget", r.evenTarget);
  v("evenCeiling", r.evenCeiling);
  v("evenExcessThreshold", r.evenExcessThreshold);
  v("evenExtraCeiling", r.evenExtraCeiling);
  v("runSpare48", r.runSpare48);
  v("bothBuildings", r.bothBuildings);
  v("placedHours", r.placedHours);
  v("bothShifts", r.bothShifts);
  v("placedPerDay", r.placedPerDay);
  v("open", r.open);
  v("occupant", r.occupant);
  v("blockLen", r.blockLen);
  v("blockStart", r.blockStart);
  v("sparePlane", r.sparePlane);
  v("unused457", r.unused457);
}

template <typename V, RecordOf<TClassGridRec> R>
void Fields(V& v, R& r) {
  v("classNo", r.classNo);
  v("weeklyHours", r.weeklyHours);
  v("unused2", r.unused2);
  v("freeHours", r.freeHours);
  v("firstHour", r.firstHour);
  v("lastHour", r.lastHour);
  v("open", r.open);
  v("occupant", r.occupant);
  v("blockLen", r.blockLen);
  v("blockStart", r.blockStart);
  v("unused338", r.unused338);
}

template <typename V, RecordOf<TRoomGridRec> R>
void Fields(V& v, R& r) {
  v("room", r.room);
  v("weeklyHours", r.weeklyHours);
  v("open", r.open);
  v("occupant", r.occupant);
  v("blockLen", r.blockLen);
  v("blockStart", r.blockStart);
  v("unused322", r.unused322);
}

template <typename V, RecordOf<TSettingsRec> R>
void Fields(V& v, R& r) {
  v("gapsAllowed", r.gapsAllowed);
  v("maxGapsPerWeek", r.maxGapsPerWeek);
  v("maxGapBetweenLessons", r.maxGapBetweenLessons);
  v("sameClassDifferentDays", r.sameClassDifferentDays);
  v("dayBetweenDays", r.dayBetweenDays);
  v("differentHours", r.differentHours);
  v("groupDifferentDays", r.groupDifferentDays);
  v("maxHoursPerDay", r.maxHoursPerDay);
  v("searchLevel", r.searchLevel);
  v("chiefDeputy", r.chiefDeputy);
  v("mergeOnePlusOne", r.mergeOnePlusOne);
  v("splitBlock", r.splitBlock);
  v("moreThanTwoPerDay", r.moreThanTwoPerDay);
  v("gapLimitPerDay", r.gapLimitPerDay);
  v("autoRelax", r.autoRelax);
  v("evenDays", r.evenDays);
  v("alignedBlocks", r.alignedBlocks);
  v("reorganise", r.reorganise);
  v("reserved18", r.reserved18);
  v("autoOptions", r.autoOptions);
  v("reserved29", r.reserved29);
  v("topMargin", r.topMargin);
  v("leftMargin", r.leftMargin);
  v("pageLength", r.pageLength);
  v("pageHeight", r.pageHeight);
  v("autoPageSize", r.autoPageSize);
  v("printLessonList", r.printLessonList);
  v("twoPerPage", r.twoPerPage);
  v("fontSize", r.fontSize);
  v("sheetTopMargin", r.sheetTopMargin);
  v("sheetLeftMargin", r.sheetLeftMargin);
  v("sheetPageLength", r.sheetPageLength);
  v("sheetPageHeight", r.sheetPageHeight);
  v("sheetAutoPageSize", r.sheetAutoPageSize);
  v("sheetNoHalfDaySplit", r.sheetNoHalfDaySplit);
  v("sheetPrintRooms", r.sheetPrintRooms);
  v("sheetFontSize", r.sheetFontSize);
  v("reserved104", r.reserved104);
  v("fontName", r.fontName);
  v("sheetFontName", r.sheetFontName);
  v("guidanceLesson", r.guidanceLesson);
  v("guidanceDayMorning", r.guidanceDayMorning);
  v("guidanceHourMorning", r.guidanceHourMorning);
  v("guidanceDayAfternoon", r.guidanceDayAfternoon);
  v("guidanceHourAfternoon", r.guidanceHourAfternoon);
  v("startTimes", r.startTimes);
  v("weekdaysOnly", r.weekdaysOnly);
  v("reserved324", r.reserved324);
  v("schoolName", r.schoolName);
  v("principalName", r.principalName);
  v("deputyName", r.deputyName);
  v("reserved548", r.reserved548);
}

}  // namespace kalvodrin
