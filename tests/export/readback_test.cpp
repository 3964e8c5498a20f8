// The exports read back by parsers that know nothing of ours, all from Debian (see
// scripts/setup-deps): Python's csv module, the icalendar library and tidy.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/field_text.h"
#include "core/turkish_text.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/ics_export.h"
#include "export/placed_hours.h"
#include "school_builder.h"
#include "school_files.h"
#include "two_lesson_school.h"

namespace kalvodrin {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

// The command's standard output; `code` gets its exit status.
std::string Output(const std::string& command, int& code) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    code = -1;
    return out;
  }
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = ::pclose(pipe);
  code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

std::string Python(const std::string& script) {
  return std::string(KALVODRIN_PYTHON) + " " + Quoted(fs::path(KALVODRIN_READBACK) / script);
}

void Write(const fs::path& file, const std::string& text) {
  testing::WriteBytes(file, Bytes(text.begin(), text.end()));
}

// Names a spreadsheet would take for formulas or split: a lesson "=1+2", a teacher
// "@ALİ; VELİ" and one "-NUR, \"AY\"", a classroom "+LAB".
struct Tricky : TwoLessonSchool {
  Tricky() : TwoLessonSchool({"+LAB", "=1+2", "@ALİ; VELİ", "-NUR, \"AY\"", "TARİH", 3, 2}) {}
};

// What each row should read as: a field that begins as a formula keeps a leading
// apostrophe, which spreadsheets show as text and do not run.
std::vector<std::vector<std::string>> ExpectedRows(const School& school) {
  const auto safe = [](const std::string& f) {
    return !f.empty() && std::string("=+-@").find(f[0]) != std::string::npos ? "'" + f : f;
  };
  std::vector<std::vector<std::string>> rows = {
      {"GÜN", "SAAT", "BAŞLAMA", "SINIF", "DERS", "ÖĞRETMENLER", "DERSLİKLER"}};
  for (const PlacedHour& h : PlacedHours(school))
    rows.push_back({std::string(DayName(h.day)), std::to_string(h.hour), h.startTime, h.className,
                    safe(h.lessonName), safe(JoinNames(h.teacherNames)),
                    safe(JoinNames(h.roomNames))});
  return rows;
}

TEST(CsvReadBack, EveryFieldComesBackUnderEitherSeparatorAndNoneRunsAsAFormula) {
  Tricky x;
  TempFolder temp;
  const auto expected = ExpectedRows(x.s);
  ASSERT_EQ(expected.size(), 1u + 3u);
  EXPECT_EQ(expected[1][4], "'=1+2");
  for (const char separator : {';', ','}) {
    SCOPED_TRACE(separator);
    const std::string csv = TimetableCsv(x.s, separator);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    // The header shows which separator a spreadsheet is to split on.
    EXPECT_EQ(csv.substr(3, 5), std::string("GÜN") + separator);
    Write(temp.path() / "t.csv", csv);
    int code = 0;
    const std::string out = Output(Python("csv_rows.py") + " " + Quoted(temp.path() / "t.csv") +
                                       " '" + std::string(1, separator) + "'",
                                   code);
    ASSERT_EQ(code, 0) << out;
    EXPECT_EQ(nlohmann::json::parse(out), nlohmann::json(expected)) << out;
  }
}

// Re-exporting an unchanged timetable keeps every UID and SEQUENCE; a lesson moved to
// another hour keeps its UID with the next SEQUENCE, so the calendar updates it. The
// stamp is the export's own time.
TEST(IcsReadBack, TheLibraryReadsStableUidsAndSequencesThatGrowWithAChange) {
  Tricky x;
  TempFolder temp;
  IcsOptions options;
  ASSERT_TRUE(ParseCalendarDate("2026-09-07", options.start));
  options.stamp = IcsStamp(1796779800);  // 2026-12-09 01:30 UTC
  const auto read = [&](const IcsExport& ics) {
    std::string args;
    for (const ExportFile& f : ics.files) {
      Write(temp.path() / f.name, f.content);
      args += " " + Quoted(temp.path() / f.name);
    }
    int code = 0;
    const std::string out = Output(Python("ics_events.py") + args, code);
    EXPECT_EQ(code, 0) << out;
    return code == 0 ? nlohmann::json::parse(out) : nlohmann::json::object();
  };
  const IcsExport first = CalendarExport(x.s, options);
  const nlohmann::json before = read(first);
  const std::string classFile = Quoted(temp.path() / "sinif-001.ics");
  const nlohmann::json& classEvents = before.at(classFile.substr(1, classFile.size() - 2));
  ASSERT_EQ(classEvents.size(), 3u);
  for (const auto& e : classEvents) {
    EXPECT_EQ(e.at("sequence"), 0);
    EXPECT_EQ(e.at("stamp"), "20261209T013000Z");
  }

  for (const ExportFile& f : first.files) options.previous[f.name] = f.content;
  options.stamp = IcsStamp(1796783400);
  EXPECT_EQ(read(CalendarExport(x.s, options)).dump(), [&] {
    std::string text = before.dump();
    for (std::size_t at; (at = text.find("20261209T013000Z")) != std::string::npos;)
      text.replace(at, 16, "20261209T023000Z");
    return text;
  }());

  // TARİH moves from Wednesday 2 to Thursday 1.
  School moved = x.s;
  const int tarih = moved.Lessons.back().number;
  for (TClassGridRec& g : moved.ClassGrids)
    for (std::size_t k = 0; k < g.occupant.size(); ++k)
      if (g.occupant[k] == tarih) g.occupant[k] = 0;
  moved.ClassGrids.front().occupant[3 * 16] = static_cast<uint8_t>(tarih);
  const nlohmann::json after = read(CalendarExport(moved, options));
  const auto& movedEvents = after.at(classFile.substr(1, classFile.size() - 2));
  ASSERT_EQ(movedEvents.size(), 3u);
  for (std::size_t i = 0; i < movedEvents.size(); ++i) {
    const bool isTarih = movedEvents[i].at("summary") == "TARİH";
    EXPECT_EQ(movedEvents[i].at("sequence"), isTarih ? 1 : 0) << movedEvents[i].dump();
    if (isTarih) {
      EXPECT_EQ(movedEvents[i].at("start"), "2026-09-10T08:30:00");
    }
  }
  std::vector<std::string> uidsBefore, uidsAfter;
  for (const auto& e : classEvents) uidsBefore.push_back(e.at("uid"));
  for (const auto& e : movedEvents) uidsAfter.push_back(e.at("uid"));
  std::sort(uidsBefore.begin(), uidsBefore.end());
  std::sort(uidsAfter.begin(), uidsAfter.end());
  EXPECT_EQ(uidsAfter, uidsBefore);
}

// Every page passes tidy without an error or a warning, and its style turns the week
// into one column on a screen narrower than 600 pixels.
TEST(HtmlReadBack, EveryPagePassesTidyAndReadsAsOneColumnOnAPhone) {
  Tricky x;
  TempFolder temp;
  const std::vector<ExportFile> pages = HtmlExport(x.s);
  ASSERT_GE(pages.size(), 1u + 2u + 1u + 1u);
  for (const ExportFile& page : pages) {
    SCOPED_TRACE(page.name);
    Write(temp.path() / page.name, page.content);
    int code = 0;
    const std::string out = Output(std::string(KALVODRIN_TIDY) + " -errors -quiet " +
                                       Quoted(temp.path() / page.name) + " 2>&1",
                                   code);
    EXPECT_EQ(code, 0) << out;
    EXPECT_NE(page.content.find("@media (max-width:600px){table,tbody,tr,td{display:block"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace kalvodrin
