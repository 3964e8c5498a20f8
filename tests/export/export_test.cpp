// HTML, CSV and iCalendar export on small schools: what each file holds, escaping,
// dates and folding.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/field_text.h"
#include "core/turkish_text.h"
#include "engine/counts.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/ics_export.h"
#include "export/placed_hours.h"
#include "school_builder.h"
#include "school_files.h"
#include "two_lesson_school.h"
#include "well_formed.h"

namespace kalvodrin {
namespace {

using testing::IcsLines;
using testing::IcsProblem;
using testing::XmlProblem;

// 9-A has ÇAĞDAŞ TARİH (2 hours, Monday 1-2, taught by ŞÜKRÜ & İNCİ together, in
// room Ö<1>) and MÜZİK (1 hour, Friday 3, no room, no start time for hour 3).
struct Small : TwoLessonSchool {
  Small() : TwoLessonSchool({"Ö<1>", "ÇAĞDAŞ TARİH", "ŞÜKRÜ & OĞUZ", "İNCİ, GÜL", "MÜZİK", 5, 3}) {
    s.Settings.schoolName.assign(UserTextToCp1254("ŞEHİT \"ÖZEL\" LİSESİ"));
    s.Settings.startTimes[2].assign("");
  }
};

std::string Find(const std::vector<ExportFile>& files, std::string_view name) {
  for (const ExportFile& f : files)
    if (f.name == name) return f.content;
  ADD_FAILURE() << "no file " << name;
  return {};
}

TEST(PlacedHours, OneRowPerPlacedClassHourWithTeachersAndTheRoomOfThatHour) {
  Small x;
  const auto rows = PlacedHours(x.s);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].day, 1);
  EXPECT_EQ(rows[0].hour, 1);
  EXPECT_EQ(rows[0].startTime, "08:30");
  EXPECT_EQ(rows[0].className, "9 A");
  EXPECT_EQ(rows[0].lessonName, "ÇAĞDAŞ TARİH");
  EXPECT_EQ(JoinNames(rows[0].teacherNames), "ŞÜKRÜ & OĞUZ, İNCİ, GÜL");
  EXPECT_EQ(rows[0].roomNames, std::vector<std::string>{"Ö<1>"});
  EXPECT_EQ(rows[2].day, 5);
  EXPECT_TRUE(rows[2].roomNames.empty());
}

TEST(CsvExport, BomHeaderAndQuotedFields) {
  Small x;
  const std::string csv = TimetableCsv(x.s);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);  // header + 3 hours
  EXPECT_NE(csv.find("GÜN;SAAT;BAŞLAMA;SINIF;DERS;ÖĞRETMENLER;DERSLİKLER\r\n"), std::string::npos);
  // A comma is no separator by default: a Turkish spreadsheet splits on ";".
  EXPECT_NE(csv.find("PAZARTESİ;1;08:30;9 A;ÇAĞDAŞ TARİH;ŞÜKRÜ & OĞUZ, İNCİ, GÜL;Ö<1>\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("CUMA;3;;9 A;MÜZİK;ŞÜKRÜ & OĞUZ;\r\n"), std::string::npos) << csv;
  const std::string commas = TimetableCsv(x.s, ',');
  EXPECT_NE(commas.find("PAZARTESİ,1,08:30,9 A,ÇAĞDAŞ TARİH,\"ŞÜKRÜ & OĞUZ, İNCİ, GÜL\",Ö<1>\r\n"),
            std::string::npos)
      << commas;
  EXPECT_EQ(CsvField("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(CsvField("a;b"), "\"a;b\"");
  EXPECT_EQ(CsvField("a,b"), "a,b");
  EXPECT_EQ(CsvField("a,b", ','), "\"a,b\"");
  EXPECT_EQ(CsvField("ab"), "ab");
  // Formulas are text: = + - @ first, also after a tab; not further in.
  for (const char* formula : {"=1+2", "+1", "-1", "@SUM(A1)", "\t=1"})
    EXPECT_EQ(CsvField(formula), "\"'" + std::string(formula) + "\"") << formula;
  EXPECT_EQ(CsvField("a=1"), "a=1");
  EXPECT_EQ(CsvField(""), "");
}

TEST(HtmlExport, EveryPageWellFormedAndLinkedFromTheIndex) {
  Small x;
  const auto files = HtmlExport(x.s);
  ASSERT_EQ(files.size(), 2u + 1u + 1u + 1u);
  for (const ExportFile& f : files) EXPECT_EQ(XmlProblem(f.content), "") << f.name;
  const std::string index = Find(files, "index.html");
  for (const ExportFile& f : files)
    if (f.name != "index.html") {
      EXPECT_NE(index.find("href=\"" + f.name + "\""), std::string::npos) << f.name;
    }
  EXPECT_NE(index.find("ŞEHİT &quot;ÖZEL&quot; LİSESİ"), std::string::npos);
  EXPECT_NE(index.find("name=\"viewport\""), std::string::npos);
  const std::string teacher =
      Find(files, "ogretmen-" + NumberText3(x.b.TeacherNo("ŞÜKRÜ & OĞUZ")) + ".html");
  EXPECT_NE(teacher.find("ŞÜKRÜ &amp; OĞUZ"), std::string::npos);
  EXPECT_NE(teacher.find("Ö&lt;1&gt;"), std::string::npos);
  EXPECT_NE(teacher.find("MÜZİK"), std::string::npos);
  // The other teacher does not teach music.
  const std::string other =
      Find(files, "ogretmen-" + NumberText3(x.b.TeacherNo("İNCİ, GÜL")) + ".html");
  EXPECT_EQ(other.find("MÜZİK"), std::string::npos);
  EXPECT_NE(other.find("ÇAĞDAŞ TARİH"), std::string::npos);
  // Damaged names keep the pages well-formed.
  x.s.Teachers[0].name.assign("A\x01<B");
  for (const ExportFile& f : HtmlExport(x.s)) EXPECT_EQ(XmlProblem(f.content), "") << f.name;
}

TEST(WellFormed, TheCheckerCatchesWhatAParserRejects) {
  EXPECT_EQ(XmlProblem("<!DOCTYPE html>\n<a x=\"1\"><b /></a>\n"), "");
  EXPECT_NE(XmlProblem("<a><b></a></b>"), "");
  EXPECT_NE(XmlProblem("<a>&nbsp;</a>"), "");
  EXPECT_NE(XmlProblem("<a>x < y</a>"), "");
  EXPECT_NE(XmlProblem("<a x=1></a>"), "");
  EXPECT_NE(XmlProblem("<a></a><b></b>"), "");
  EXPECT_NE(XmlProblem("<a>"), "");
  EXPECT_NE(IcsProblem("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n"), "");
  EXPECT_NE(IcsProblem("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:x\nEND:VCALENDAR\n"), "");
  EXPECT_EQ(IcsProblem("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nEND:VCALENDAR\r\n"), "");
}

TEST(CalendarDates, ParsingWeekdaysAndAddingDays) {
  CalendarDate d;
  ASSERT_TRUE(ParseCalendarDate("2026-09-07", d));
  EXPECT_EQ(Weekday(d), 1);  // a Monday
  ASSERT_TRUE(ParseCalendarDate("2024-02-29", d));
  EXPECT_EQ(Weekday(d), 4);
  const CalendarDate next = AddDays(d, 1);
  EXPECT_EQ(next.month, 3);
  EXPECT_EQ(next.day, 1);
  EXPECT_FALSE(ParseCalendarDate("2023-02-29", d));
  EXPECT_FALSE(ParseCalendarDate("2026-13-01", d));
  EXPECT_FALSE(ParseCalendarDate("2026-12-32", d));
  EXPECT_FALSE(ParseCalendarDate("2026-1-01", d));
  EXPECT_FALSE(ParseCalendarDate("bugün", d));
  ASSERT_TRUE(ParseCalendarDate("2026-12-31", d));
  EXPECT_EQ(AddDays(d, 1).year, 2027);
}

TEST(IcsExport, WeeklyEventsOnTheRightWeekdayAtTheStartTimes) {
  Small x;
  IcsOptions options;
  ASSERT_TRUE(ParseCalendarDate("2026-09-09", options.start));  // a Wednesday
  const IcsExport ics = CalendarExport(x.s, options);
  ASSERT_EQ(ics.files.size(), 2u + 1u);
  EXPECT_EQ(ics.hoursWithoutStartTime, 1);  // Friday's third hour
  for (const ExportFile& f : ics.files) EXPECT_EQ(IcsProblem(f.content), "") << f.name;
  const std::string teacher =
      Find(ics.files, "ogretmen-" + NumberText3(x.b.TeacherNo("ŞÜKRÜ & OĞUZ")) + ".ics");
  const auto lines = IcsLines(teacher);
  // Monday's lessons fall on the Monday after the start date.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DTSTART:20260914T083000"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DTEND:20260914T091000"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DTSTART:20260914T092000"), lines.end());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "RRULE:FREQ=WEEKLY"), 2);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "SUMMARY:ÇAĞDAŞ TARİH - 9 A"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "LOCATION:Ö<1>"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "DESCRIPTION:ŞÜKRÜ & OĞUZ\\, İNCİ\\, GÜL"),
            lines.end());
  // A start on the lesson's own weekday keeps that day.
  ASSERT_TRUE(ParseCalendarDate("2026-09-14", options.start));
  const auto monday = IcsLines(CalendarExport(x.s, options).files[0].content);
  EXPECT_NE(std::find(monday.begin(), monday.end(), "DTSTART:20260914T083000"), monday.end());
}

TEST(IcsExport, FoldingNeverSplitsACharacter) {
  const std::string line = "SUMMARY:" + std::string(40, 'A') + "ÇĞİÖŞÜ" + std::string(40, 'B');
  const std::string folded = FoldIcsLine(line);
  EXPECT_EQ(
      IcsProblem("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n" + folded + "END:VCALENDAR\r\n"),
      "");
  EXPECT_EQ(IcsLines(folded)[0], line);
  // Exactly 75 octets stays on one line; 76 folds.
  EXPECT_EQ(FoldIcsLine(std::string(75, 'x')), std::string(75, 'x') + "\r\n");
  EXPECT_EQ(FoldIcsLine(std::string(76, 'x')), std::string(75, 'x') + "\r\n x\r\n");
  EXPECT_EQ(IcsText("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
}

}  // namespace
}  // namespace kalvodrin
