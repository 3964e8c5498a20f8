// export: the placed timetables as a static website (html), one CSV table (csv) or
// iCalendar files per teacher and class (ics), written into an output folder.

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/file_io.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/ics_export.h"

namespace kalvodrin::cli {
namespace {

struct ExportArgs {
  std::string folder;
  std::string format;
  std::string out;
  std::string startDate;  // ics: YYYY-MM-DD, default today
  int lessonMinutes = 40;
  std::string separator = ";";  // csv
};

CalendarDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// The calendars an earlier export left in the folder, by name: their events keep or
// raise their SEQUENCE. Anything else there is not ours and is not read.
std::map<std::string, std::string> PreviousCalendars(const std::filesystem::path& folder) {
  std::map<std::string, std::string> previous;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(ec) || !name.ends_with(".ics")) continue;
    std::optional<Bytes> bytes;
    if (ReadWholeFile(entry.path(), bytes) && bytes)
      previous[name] = std::string(bytes->begin(), bytes->end());
  }
  return previous;
}

int RunExport(const ExportArgs& args, FileSystem& disk) {
  CalendarDate start = Today();
  if (!args.startDate.empty() && !ParseCalendarDate(args.startDate, start)) {
    std::cerr << "kalvodrin-cli: --start-date YYYY-AA-GG biçiminde bir tarih olmalı: "
              << args.startDate << '\n';
    return 2;
  }
  OpenedSchool opened;
  if (Status s = OpenSchool(args.folder, FolderUse::kReadOnly, opened); !s)
    return Fail(s.message());
  School& school = *opened.school;

  std::vector<ExportFile> files;
  if (args.format == "html") {
    files = HtmlExport(school);
  } else if (args.format == "csv") {
    files.push_back({std::string(kCsvFileName), TimetableCsv(school, args.separator.front())});
  } else {
    IcsOptions options{start, args.lessonMinutes, IcsStamp(std::time(nullptr)),
                       PreviousCalendars(args.out)};
    IcsExport ics = CalendarExport(school, options);
    if (ics.hoursWithoutStartTime > 0)
      std::cerr << "kalvodrin-cli: başlama saati girilmemiş " << ics.hoursWithoutStartTime
                << " ders saati takvimlere konmadı\n";
    files = std::move(ics.files);
  }
  if (Status s = WriteExport(args.out, files, disk); !s) return Fail(s.message());
  std::cout << files.size() << " dosya yazıldı: " << args.out << '\n';
  return 0;
}

}  // namespace

void AddExportCommand(CLI::App& app, CommandContext& context) {
  auto args = std::make_shared<ExportArgs>();
  CLI::App* command = app.add_subcommand(
      "export", "Ders programlarını HTML, CSV ya da iCalendar olarak dışa aktarır");
  AddFolderOption(*command, args->folder);
  command->add_option("--format", args->format, "html|csv|ics")
      ->required()
      ->check(CLI::IsMember({"html", "csv", "ics"}));
  command->add_option("--out", args->out, "Dosyaların yazılacağı klasör")->required();
  command
      ->add_option("--separator", args->separator,
                   "csv: alan ayırıcı; ; (varsayılan, Türkçe hesap tabloları) ya da ,")
      ->check(CLI::IsMember({";", ","}));
  command->add_option("--start-date", args->startDate,
                      "ics: ilk haftanın başladığı tarih, YYYY-AA-GG (varsayılan bugün)");
  command->add_option("--lesson-minutes", args->lessonMinutes, "ics: bir ders saatinin dakikası")
      ->check(CLI::Range(1, 240));
  command->callback([args, &context] { context.exitCode = RunExport(*args, context.disk); });
}

}  // namespace kalvodrin::cli
