// substitute and free: the daily substitution plan of a date and the teachers free at
// an hour. Both read the working folder; only `substitute --save` (and --new-term)
// write, and then only the substitution record.

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/pdf_writer.h"
#include "core/field_text.h"
#include "core/turkish_text.h"
#include "printing/substitution_print.h"
#include "substitution/day_plan.h"
#include "substitution/plan_texts.h"

namespace kalvodrin::cli {
namespace {

struct SubstituteOptions {
  std::string folder;
  std::string date;
  std::vector<std::string> absent;  // "NAME[,NAME][:HOURS]"
  bool json = false;
  bool save = false;
  bool newTerm = false;
  std::string pdf;
};

// A teacher by number or by name (as typed: upper-cased the Turkish way).
int FindTeacher(const School& school, const std::string& given) {
  const std::string name = UserTextToCp1254(given);
  for (const TTeacherRec& t : school.Teachers)
    if (t.name.str() == name || std::to_string(t.number) == given) return t.number;
  return 0;
}

std::string Trimmed(std::string s) {
  const std::size_t first = s.find_first_not_of(' ');
  const std::size_t last = s.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// "AYŞE ÖZ,ALİ:2-4" gives two absences of hours 2..4; without ":" the whole day.
bool ParseAbsent(const School& school, const std::string& text, std::vector<Absence>& out,
                 std::string& problem) {
  const std::size_t colon = text.rfind(':');
  std::vector<int> hours;
  if (colon != std::string::npos) {
    const auto parsed = ParseHours(text.substr(colon + 1));
    if (!parsed) {
      problem = "saatler 1..16 olmalı (ör. 2,3 ya da 1-4): " + text;
      return false;
    }
    hours = *parsed;
  }
  std::string names = text.substr(0, colon);
  while (true) {
    const std::size_t comma = names.find(',');
    const std::string name = Trimmed(names.substr(0, comma));
    const int teacher = FindTeacher(school, name);
    if (teacher == 0) {
      problem = "böyle bir öğretmen yok: " + name;
      return false;
    }
    out.push_back({teacher, hours});
    if (comma == std::string::npos) return true;
    names.erase(0, comma + 1);
  }
}

void PrintTable(const School& school, const DayPlan& plan) {
  std::cout << SchoolDateText(plan.date) << " " << DayName(plan.weekday) << "\n";
  std::cout << Pad("SAAT", 6) << Pad("SINIF", 12) << Pad("DERS", 24) << Pad("GELMEYEN", 26)
            << "GÖREVLİ\n";
  for (const PlanRow& row : plan.rows)
    std::cout << Pad(std::to_string(row.lesson.hour), 6) << Pad(ClassesText(school, row.lesson), 12)
              << Pad(LessonNameOf(school, row.lesson.lesson), 24)
              << Pad(AbsentText(school, row.lesson), 26) << SubstituteText(school, row) << '\n';
  std::cout << "GÖREVLENDİRİLEN = " << plan.Covered() << "  BOŞ KALAN = " << plan.UncoveredCount()
            << '\n';
}

nlohmann::json CandidateJson(const School& school, const Candidate& c) {
  return {{"teacher", c.teacher},
          {"name", TeacherNameOf(school, c.teacher)},
          {"onDuty", c.onDuty},
          {"sameLesson", static_cast<int>(c.sameLesson)},
          {"presence", static_cast<int>(c.presence)},
          {"termCount", c.termCount},
          {"hoursToday", c.hoursToday},
          {"dailyMax", c.dailyMax}};
}

void PrintJson(const School& school, const DayPlan& plan) {
  nlohmann::json rows = nlohmann::json::array();
  for (const PlanRow& row : plan.rows) {
    nlohmann::json candidates = nlohmann::json::array();
    for (const Candidate& c : row.candidates) candidates.push_back(CandidateJson(school, c));
    rows.push_back({{"hour", row.lesson.hour},
                    {"classes", row.lesson.classes},
                    {"className", ClassesText(school, row.lesson)},
                    {"lesson", row.lesson.lesson},
                    {"lessonName", LessonNameOf(school, row.lesson.lesson)},
                    {"absent", row.lesson.absentTeachers},
                    {"coTeachers", row.lesson.coTeachers},
                    {"substitute", row.substitute},
                    {"substituteName", TeacherNameOf(school, row.substitute)},
                    {"uncovered", std::string(row.Uncovered() ? NoneFreeText(row.why) : "")},
                    {"candidates", candidates}});
  }
  const nlohmann::json out = {{"date", SchoolDateText(plan.date)},
                              {"weekday", plan.weekday},
                              {"rows", rows},
                              {"covered", plan.Covered()},
                              {"uncovered", plan.UncoveredCount()}};
  std::cout << out.dump(2) << '\n';
}

int RunSubstitute(const SubstituteOptions& o, FileSystem& disk, PdfWriter& pdf) {
  const std::optional<SchoolDate> date = ParseSchoolDate(o.date);
  if (!date) return Fail("substitute: tarih YYYY-AA-GG olmalı: " + o.date);
  const bool writes = o.save || o.newTerm;
  OpenedSchool opened;
  if (Status s = OpenSchool(o.folder, writes ? FolderUse::kWriting : FolderUse::kReadOnly, opened);
      !s)
    return Fail(s.message());
  const School& school = *opened.school;
  SubstitutionRecord record;
  if (Status s = LoadSubstitutionRecord(school.WorkFolder, disk, record); !s)
    return Fail(s.message());
  DayRequest request;
  request.date = *date;
  for (const std::string& a : o.absent) {
    std::string problem;
    if (!ParseAbsent(school, a, request.absences, problem)) return Fail("substitute: " + problem);
  }
  if (WeekdayOf(*date) > kDays && !o.absent.empty())
    return Fail("substitute: " + o.date + " hafta sonu; ders yok");
  if (o.newTerm && !StartTerm(record, *date))
    return Fail("substitute: yeni dönem son dönemin başından sonra başlamalı");
  const DayPlan plan = ProposeDay(school, record, request);
  if (o.json)
    PrintJson(school, plan);
  else
    PrintTable(school, plan);
  if (!o.pdf.empty()) {
    PdfPage page;
    page.landscape = false;
    page.title = Cp1254ToUtf8(school.Settings.schoolName.view()) + " - DERS GÖREVLENDİRME";
    const SubstitutionSheet sheet = SheetOf(school, plan);
    if (Status s = pdf.Write(
            o.pdf, page, [&](Canvas& canvas) { PrintSubstitutionSheet(canvas, school, sheet); },
            disk);
        !s)
      return Fail(s.message());
  }
  if (o.save) {
    if (Status s = SavePlan(school, plan, record, disk); !s) return Fail(s.message());
    std::cerr << "Kaydedildi: " << SchoolDateText(*date) << '\n';
  } else if (o.newTerm) {
    if (Status s = SaveSubstitutionRecord(school.WorkFolder, record, disk); !s)
      return Fail(s.message());
  }
  return 0;
}

struct FreeOptions {
  std::string folder;
  int day = 0;
  int hour = 0;
  std::string date;
  bool json = false;
  std::string pdf;
};

int RunFree(const FreeOptions& o, FileSystem& disk, PdfWriter& pdf) {
  OpenedSchool opened;
  if (Status s = OpenSchool(o.folder, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  const School& school = *opened.school;
  SubstitutionRecord record;
  if (Status s = LoadSubstitutionRecord(school.WorkFolder, disk, record); !s)
    return Fail(s.message());
  FreeQuery query{o.day, o.hour, std::nullopt, {}};
  if (!o.date.empty()) {
    query.date = ParseSchoolDate(o.date);
    if (!query.date) return Fail("free: tarih YYYY-AA-GG olmalı: " + o.date);
    query.weekday = WeekdayOf(*query.date);
  }
  if (query.weekday < 1 || query.weekday > kDays) return Fail("free: gün 1..5 olmalı");
  const std::vector<Candidate> free = FreeTeachers(school, record, query);
  if (!o.pdf.empty()) {
    PdfPage page;
    page.landscape = false;
    page.title = Cp1254ToUtf8(school.Settings.schoolName.view()) + " - BOŞ ÖĞRETMENLER";
    const FreeTeachersSheet sheet = FreeSheetOf(school, query, free);
    if (Status s = pdf.Write(
            o.pdf, page, [&](Canvas& canvas) { PrintFreeTeachers(canvas, school, sheet); }, disk);
        !s)
      return Fail(s.message());
  }
  if (o.json) {
    nlohmann::json list = nlohmann::json::array();
    for (const Candidate& c : free) list.push_back(CandidateJson(school, c));
    std::cout << nlohmann::json{{"day", query.weekday}, {"hour", query.hour}, {"free", list}}.dump(
                     2)
              << '\n';
    return 0;
  }
  std::cout << DayName(query.weekday) << " " << query.hour << ". SAAT BOŞ ÖĞRETMENLER\n";
  for (const Candidate& c : free)
    std::cout << Pad(TeacherNameOf(school, c.teacher), 32) << CandidateNotes(c) << '\n';
  return 0;
}

}  // namespace

void AddSubstituteCommands(CLI::App& app, CommandContext& context) {
  auto o = std::make_shared<SubstituteOptions>();
  CLI::App* command = app.add_subcommand(
      "substitute", "Gelmeyen öğretmenlerin derslerine görevli önerir (DERS GÖREVLENDİRME)");
  AddFolderOption(*command, o->folder);
  command->add_option("--date", o->date, "Tarih, YYYY-AA-GG")->required();
  command->add_option("--absent", o->absent,
                      "Gelmeyen: AD[,AD][:SAATLER], ör. \"AYŞE ÖZ:1-3\" (tekrarlanabilir)");
  command->add_flag("--json", o->json, "JSON olarak yaz");
  command->add_flag("--save", o->save, "Öneriyi görevlendirme kaydına yaz");
  command->add_flag("--new-term", o->newTerm,
                    "Bu tarihte yeni dönem başlat (sayımlar sıfırlanır, geçmiş kalır)");
  command->add_option("--pdf", o->pdf, "Görevlendirme çizelgesini PDF olarak yaz");
  command->callback(
      [o, &context] { context.exitCode = RunSubstitute(*o, context.disk, context.pdf); });

  auto f = std::make_shared<FreeOptions>();
  CLI::App* free = app.add_subcommand("free", "Bir gün ve saatte boş öğretmenler, sıralı");
  AddFolderOption(*free, f->folder);
  free->add_option("--day", f->day, "Gün 1..5")->check(CLI::Range(1, 5));
  free->add_option("--hour", f->hour, "Saat 1..16")->required()->check(CLI::Range(1, 16));
  free->add_option("--date", f->date, "Tarih, YYYY-AA-GG: o gün kaydedilen görevler sayılır");
  free->add_flag("--json", f->json, "JSON olarak yaz");
  free->add_option("--pdf", f->pdf, "Boş öğretmenler listesini PDF olarak yaz");
  free->callback([f, &context] { context.exitCode = RunFree(*f, context.disk, context.pdf); });
}

}  // namespace kalvodrin::cli
