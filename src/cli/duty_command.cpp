// duty --propose: the fair duty proposal for the chosen places and days, as a table or
// as JSON. Reads the working folder only; nothing is written.

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/field_text.h"
#include "core/turkish_text.h"
#include "duty/duty_proposal.h"
#include "duty/duty_rows.h"

namespace kalvodrin::cli {
namespace {

struct DutyOptions {
  std::string folder;
  bool propose = false;
  bool json = false;
  std::vector<int> places;  // empty: every place
  std::vector<int> days;    // empty: the offered days
  int perSlot = 1;
  std::vector<std::string> weights;  // "TEACHER=WEIGHT"
};

// A teacher named by number or by name as stored (typed in any case); 0 when no
// teacher of the school is.
int TeacherNamed(const School& school, const std::string& text) {
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
    const int number = text.size() <= 3 ? std::stoi(text) : 0;
    return school.TeacherByNo(number) != nullptr ? number : 0;
  }
  const std::string name = UserTextToCp1254(text);
  for (const TTeacherRec& t : school.Teachers)
    if (!name.empty() && t.name.view() == name) return t.number;
  return 0;
}

// "12=2" or "AYŞE YILMAZ=2": the teacher takes twice the share of a teacher of weight
// 1. Anything but a teacher of the school and one digit within the bounds is refused,
// "12=2x" too: a typing slip must not become a weight.
bool ParseWeight(const School& school, const std::string& text, ProposalRequest& request,
                 std::string& problem) {
  const std::size_t eq = text.rfind('=');
  const std::string weightText = eq == std::string::npos ? "" : text.substr(eq + 1);
  if (eq == std::string::npos || weightText.size() != 1 || weightText[0] < '0' ||
      weightText[0] - '0' > kMaxDutyWeight) {
    problem = "ağırlık ÖĞRETMEN=0.." + std::to_string(kMaxDutyWeight) + " olmalı: " + text;
    return false;
  }
  const int teacher = TeacherNamed(school, text.substr(0, eq));
  if (teacher == 0) {
    problem = "böyle bir öğretmen yok: " + text.substr(0, eq);
    return false;
  }
  request.weights[static_cast<std::size_t>(teacher)] = weightText[0] - '0';
  return true;
}

void PrintTable(const School& school, const DutyProposal& p) {
  std::cout << Pad("NÖBET YERİ", 26) << Pad("GÜN", 11) << "ÖĞRETMENİN ADI\n";
  for (const ProposedDuty& d : p.duties)
    std::cout << Pad(DutyPlaceNameUtf8(school, d.place), 26) << Pad(std::string(DayName(d.day)), 11)
              << TeacherNameUtf8(school, d.teacher) << '\n';
  std::cout << '\n' << Pad("ÖĞRETMENİN ADI", 31) << "AĞIRLIK VERİLMİŞ ÖNERİLEN TOPLAM\n";
  for (const TeacherShare& s : p.shares)
    std::cout << Pad(TeacherNameUtf8(school, s.teacher), 31) << Pad(std::to_string(s.weight), 8)
              << Pad(std::to_string(s.given), 9) << Pad(std::to_string(s.proposed), 10)
              << s.given + s.proposed << '\n';
  std::cout << "ÖNERİLEN = " << p.duties.size() << "  KARŞILANAMAYAN = " << p.unfilled
            << "  AYNI YER TEKRARI = " << p.repeatedPlaces << '\n';
}

void PrintJson(const School& school, const DutyProposal& p) {
  nlohmann::json duties = nlohmann::json::array();
  for (const ProposedDuty& d : p.duties)
    duties.push_back({{"place", d.place},
                      {"placeName", DutyPlaceNameUtf8(school, d.place)},
                      {"day", d.day},
                      {"dayName", std::string(DayName(d.day))},
                      {"teacher", d.teacher},
                      {"teacherName", TeacherNameUtf8(school, d.teacher)}});
  nlohmann::json teachers = nlohmann::json::array();
  for (const TeacherShare& s : p.shares)
    teachers.push_back({{"teacher", s.teacher},
                        {"name", TeacherNameUtf8(school, s.teacher)},
                        {"weight", s.weight},
                        {"given", s.given},
                        {"proposed", s.proposed}});
  const nlohmann::json out = {{"duties", duties},
                              {"teachers", teachers},
                              {"unfilled", p.unfilled},
                              {"repeatedPlaces", p.repeatedPlaces}};
  std::cout << out.dump(2) << '\n';
}

int RunDuty(const DutyOptions& o) {
  if (!o.propose) return Fail("duty: --propose verilmedi");
  OpenedSchool opened;
  if (Status s = OpenSchool(o.folder, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  ProposalRequest request = DefaultProposalRequest(school);
  if (!o.places.empty()) request.places = o.places;
  if (!o.days.empty()) request.days = o.days;
  request.perSlot = o.perSlot;
  for (const int place : request.places)
    if (school.DutyPlaceByNo(place) == nullptr)
      return Fail("duty: " + std::to_string(place) + " numaralı nöbet yeri yok");
  for (const std::string& w : o.weights) {
    std::string problem;
    if (!ParseWeight(school, w, request, problem)) return Fail("duty: " + problem);
  }
  const DutyProposal proposal = ProposeDuties(school, request);
  if (o.json)
    PrintJson(school, proposal);
  else
    PrintTable(school, proposal);
  return 0;
}

}  // namespace

void AddDutyCommand(CLI::App& app, CommandContext& context) {
  auto o = std::make_shared<DutyOptions>();
  CLI::App* command = app.add_subcommand("duty", "Adil nöbet dağıtımı önerir; hiçbir şey yazmaz");
  AddFolderOption(*command, o->folder);
  command->add_flag("--propose", o->propose, "Öneriyi yaz")->required();
  command->add_flag("--json", o->json, "JSON olarak yaz");
  command->add_option("--places", o->places, "Nöbet yeri numaraları (varsayılan: hepsi)")
      ->delimiter(',')
      ->check(CLI::Range(1, 255));
  command->add_option("--days", o->days, "Günler 1..7 (varsayılan: verilebilen günler)")
      ->delimiter(',')
      ->check(CLI::Range(1, 7));
  command->add_option("--per-slot", o->perSlot, "Bir yerde bir günde nöbetçi sayısı")
      ->check(CLI::Range(1, 255));
  command->add_option("--weight", o->weights,
                      "ÖĞRETMEN=AĞIRLIK: öğretmen numarası ya da adı, ağırlık 0..9 (varsayılan 1)");
  command->callback([o, &context] { context.exitCode = RunDuty(*o); });
}

}  // namespace kalvodrin::cli
