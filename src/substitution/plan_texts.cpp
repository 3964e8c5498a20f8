#include "substitution/plan_texts.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/field_text.h"
#include "core/turkish_text.h"

namespace kalvodrin {

std::string_view NoneFreeText(NoneFree why) {
  switch (why) {
    case NoneFree::kSomeone: return "";
    case NoneFree::kDailyMax: return "boş öğretmenler günlük en çok ders saatinde";
    case NoneFree::kClosed: return "boş öğretmenlerin bu saati kapalı";
    case NoneFree::kEveryoneBusy: return "bütün öğretmenler derste ya da izinli";
    case NoneFree::kTaken: return "boş öğretmenler günün başka derslerini alıyor";
  }
  return "";
}

std::string CandidateNotes(const Candidate& c) {
  std::string notes;
  const auto add = [&](std::string_view s) {
    if (!notes.empty()) notes += ", ";
    notes += s;
  };
  if (c.onDuty) add("NÖBETÇİ");
  if (c.sameLesson == SameLesson::kLesson) add("AYNI DERS");
  if (c.sameLesson == SameLesson::kGroup) add("AYNI KÜME");
  if (c.presence == Presence::kBetween) add("ARADA");
  if (c.presence == Presence::kOneSide) add("OKULDA");
  add(std::to_string(c.termCount) + " SAAT");
  return notes;
}

std::string TeacherNameOf(const School& school, int teacher) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  return t != nullptr ? Cp1254ToUtf8(t->name.view()) : std::string();
}

std::string ClassesText(const School& school, const AffectedLesson& lesson) {
  std::string text;
  for (int c : lesson.classes) {
    const TClassRec* rec = school.ClassByNo(c);
    if (rec == nullptr) continue;
    if (!text.empty()) text += ", ";
    text += Cp1254ToUtf8(rec->name.view());
    if (!rec->section.view().empty()) text += " " + Cp1254ToUtf8(rec->section.view());
  }
  return text;
}

std::string LessonNameOf(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l != nullptr ? Cp1254ToUtf8(l->name.view()) : std::string();
}

std::string AbsentText(const School& school, const AffectedLesson& lesson) {
  std::string text;
  for (int t : lesson.absentTeachers) text += (text.empty() ? "" : ", ") + TeacherNameOf(school, t);
  return text;
}

std::string SubstituteText(const School& school, const PlanRow& row) {
  if (row.lesson.keptByCoTeacher())
    return TeacherNameOf(school, row.lesson.coTeachers.front()) + " (dersi tek başına sürdürür)";
  if (row.substitute != 0) return TeacherNameOf(school, row.substitute);
  return "— " + std::string(NoneFreeText(row.why));
}

namespace {

// "09.12.2026", as the printed sheets show a date.
std::string PrintedDate(const SchoolDate& d) {
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", d.day, d.month, d.year);
  return date;
}

}  // namespace

SubstitutionSheet SheetOf(const School& school, const DayPlan& plan) {
  SubstitutionSheet sheet;
  sheet.date = PrintedDate(plan.date);
  sheet.dayName = std::string(DayName(plan.weekday));
  for (const PlanRow& row : plan.rows)
    sheet.rows.push_back({std::to_string(row.lesson.hour), ClassesText(school, row.lesson),
                          LessonNameOf(school, row.lesson.lesson), AbsentText(school, row.lesson),
                          SubstituteText(school, row)});
  return sheet;
}

FreeTeachersSheet FreeSheetOf(const School& school, const FreeQuery& query,
                              const std::vector<Candidate>& free) {
  FreeTeachersSheet sheet;
  if (query.date) sheet.date = PrintedDate(*query.date);
  sheet.dayName = std::string(DayName(query.weekday));
  sheet.hour = query.hour;
  for (const Candidate& c : free)
    sheet.rows.push_back({TeacherNameOf(school, c.teacher), CandidateNotes(c)});
  return sheet;
}

std::optional<std::vector<int>> ParseHours(std::string_view text) {
  std::vector<int> hours;
  const auto number = [](std::string_view s) -> std::optional<int> {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 1 || v > kHoursPerDay)
      return std::nullopt;
    return v;
  };
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view part = text.substr(0, comma);
    const std::size_t dash = part.find('-');
    const auto first = number(part.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : number(part.substr(dash + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    for (int h = *first; h <= *last; ++h)
      if (std::find(hours.begin(), hours.end(), h) == hours.end()) hours.push_back(h);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  std::sort(hours.begin(), hours.end());
  return hours;
}

}  // namespace kalvodrin
