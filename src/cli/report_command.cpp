// report: the lessons with hours still outside the timetable, as a table or as JSON;
// with --why, what stops each one's next block at every hour and the cheapest fix.

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/turkish_text.h"
#include "scheduler/unplaced_report.h"
#include "scheduler/why_not.h"

namespace kalvodrin::cli {
namespace {

void PrintTable(const UnplacedReport& report) {
  std::cout << Pad("ADI SOYADI", 31) << Pad("SINIFI", 14) << Pad("DERSİN ADI", 31)
            << "KALAN\n";
  for (const UnplacedRow& row : report.rows)
    std::cout << Pad(Cp1254ToUtf8(row.teacherName), 31)
              << Pad(Cp1254ToUtf8(row.classText), 14)
              << Pad(Cp1254ToUtf8(row.lessonName), 31) << row.remaining << '\n';
  std::cout << "TOPLAM = " << report.total << " sınıf ders saati\n";
}

void PrintJson(const UnplacedReport& report) {
  nlohmann::json rows = nlohmann::json::array();
  for (const UnplacedRow& row : report.rows)
    rows.push_back({{"teacher", row.teacher},
                    {"classNo", row.classNo},
                    {"lesson", row.lesson},
                    {"teacherName", Cp1254ToUtf8(row.teacherName)},
                    {"class", Cp1254ToUtf8(row.classText)},
                    {"lessonName", Cp1254ToUtf8(row.lessonName)},
                    {"remaining", row.remaining}});
  const nlohmann::json out = {{"rows", rows}, {"total", report.total}};
  std::cout << out.dump(2) << '\n';
}

std::string RowTitle(const School& school, int teacher, int classNo, int lesson) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  const TClassRec* c = school.ClassByNo(classNo);
  const TLessonRec* l = school.LessonByNo(lesson);
  return Cp1254ToUtf8(t ? t->name.str() : "?") + " / " +
         Cp1254ToUtf8(c ? c->name.str() + " " + c->section.str() : "?") + " / " +
         Cp1254ToUtf8(l ? l->name.str() : "?");
}

void PrintWhyTable(const School& school, const WhyNotReport& report) {
  for (const WhyNotRow& row : report.rows) {
    std::cout << RowTitle(school, row.teacher, row.classNo, row.lesson) << ": KALAN "
              << row.remaining << ", sıradaki blok " << row.length << " saat\n";
    for (const WhyNotCell& cell : row.cells) {
      std::cout << "  " << cell.day << ". gün " << cell.hour << ". saat: ";
      if (cell.reasons.empty()) std::cout << "engel yok";
      for (std::size_t i = 0; i < cell.reasons.size(); ++i)
        std::cout << (i == 0 ? "" : "; ") << ReasonText(school, cell.reasons[i]);
      std::cout << '\n';
    }
    if (row.cheapestFix)
      std::cout << "  En ucuz çözüm: " << FixText(school, *row.cheapestFix) << '\n';
  }
  if (report.bestFix)
    std::cout << "En çok saati açan tek değişiklik: " << FixText(school, *report.bestFix) << " ("
              << report.bestFixHours << " saat)\n";
}

nlohmann::json ReasonJson(const School& school, const Reason& r) {
  return {{"kind", BlockerKey(r.kind)}, {"owner", r.owner},   {"cell", r.cell},
          {"classNo", r.classNo},       {"lesson", r.lesson}, {"text", ReasonText(school, r)},
          {"fix", FixText(school, r)}};
}

void PrintWhyJson(const School& school, const WhyNotReport& report) {
  nlohmann::json rows = nlohmann::json::array();
  for (const WhyNotRow& row : report.rows) {
    nlohmann::json cells = nlohmann::json::array();
    for (const WhyNotCell& cell : row.cells) {
      nlohmann::json reasons = nlohmann::json::array();
      for (const Reason& r : cell.reasons) reasons.push_back(ReasonJson(school, r));
      cells.push_back({{"day", cell.day}, {"hour", cell.hour}, {"reasons", reasons}});
    }
    rows.push_back({{"teacher", row.teacher},
                    {"classNo", row.classNo},
                    {"lesson", row.lesson},
                    {"title", RowTitle(school, row.teacher, row.classNo, row.lesson)},
                    {"remaining", row.remaining},
                    {"length", row.length},
                    {"cells", cells},
                    {"cheapestFix",
                     row.cheapestFix ? ReasonJson(school, *row.cheapestFix) : nlohmann::json()}});
  }
  const nlohmann::json out = {
      {"rows", rows},
      {"bestFix", report.bestFix ? ReasonJson(school, *report.bestFix) : nlohmann::json()},
      {"bestFixHours", report.bestFixHours}};
  std::cout << out.dump(2) << '\n';
}

int RunReport(const std::string& given, bool json, bool why) {
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  if (why) {
    const WhyNotReport report = BuildWhyNot(school);
    if (json)
      PrintWhyJson(school, report);
    else
      PrintWhyTable(school, report);
    return 0;
  }
  const UnplacedReport report = BuildUnplacedReport(school);
  if (json)
    PrintJson(report);
  else
    PrintTable(report);
  return 0;
}

}  // namespace

void AddReportCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  auto why = std::make_shared<bool>(false);
  CLI::App* command =
      app.add_subcommand("report", "Yerleşmeyen dersleri ve toplamını listeler");
  AddFolderOption(*command, *folder);
  command->add_flag("--json", *json, "JSON olarak yaz");
  command->add_flag("--why", *why, "Her saat için dersi neyin engellediğini ve en ucuz çözümü yaz");
  command->callback(
      [folder, json, why, &context] { context.exitCode = RunReport(*folder, *json, *why); });
}

}  // namespace kalvodrin::cli
