// report: the lessons with hours still outside the timetable, as a table or as JSON.

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/turkish_text.h"
#include "scheduler/unplaced_report.h"

namespace kalvodrin::cli {
namespace {

// Pads UTF-8 text with blanks to `width` characters.
std::string Pad(const std::string& text, std::size_t width) {
  std::size_t chars = 0;
  for (unsigned char c : text)
    if ((c & 0xC0u) != 0x80u) ++chars;
  return chars >= width ? text + ' ' : text + std::string(width - chars, ' ');
}

void PrintTable(const UnplacedReport& report) {
  std::cout << Pad("ADI SOYADI", 31) << Pad("SINIFI", 14) << Pad("DERSİN ADI", 31)
            << "KALAN\n";
  for (const UnplacedRow& row : report.rows)
    std::cout << Pad(Cp1254ToUtf8(row.teacherName), 31)
              << Pad(Cp1254ToUtf8(row.classText), 14)
              << Pad(Cp1254ToUtf8(row.lessonName), 31) << row.remaining << '\n';
  std::cout << "TOPLAM = " << report.total << '\n';
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

int RunReport(const std::string& given, bool json) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, folder); !s) return Fail(s.message());
  auto school = std::make_unique<School>();
  TailBytes tails{};
  if (Status s = LoadExistingSchool(folder, *school, tails); !s) return Fail(s.message());
  const UnplacedReport report = BuildUnplacedReport(*school);
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
  CLI::App* command =
      app.add_subcommand("report", "Yerleşmeyen dersleri ve toplamını listeler");
  AddFolderOption(*command, *folder);
  command->add_flag("--json", *json, "JSON olarak yaz");
  command->callback(
      [folder, json, &context] { context.exitCode = RunReport(*folder, *json); });
}

}  // namespace kalvodrin::cli
