// print: a printout of the working folder's school as a PDF file, drawn exactly as
// the desktop program prints it. Needs no display.

#include <iostream>
#include <memory>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/pdf_writer.h"
#include "core/turkish_text.h"
#include "printing/printouts.h"

namespace kalvodrin::cli {
namespace {

struct PrintArgs {
  std::string folder;
  std::string what;
  int id = 0;
  bool all = false;
  std::string pdf;
  std::string paper;  // "A4", "A3"; empty: A3 for the overview sheets, else A4
  bool portrait = false;
};

int RunPrint(const PrintArgs& args, FileSystem& disk, PdfWriter& pdf) {
  const std::optional<Printout> what = PrintoutByName(args.what);
  if (!what) return Fail("bilinmeyen çıktı: " + args.what);
  const bool one = PrintsOneEntity(*what);
  if (one && args.id == 0 && !args.all) {
    std::cerr << "kalvodrin-cli: --what " << args.what << " için --id N ya da --all gerekli\n";
    return 2;
  }
  OpenedSchool opened;
  if (Status s = OpenSchool(args.folder, FolderUse::kReadOnly, opened); !s)
    return Fail(s.message());
  School& school = *opened.school;

  int from = args.id;
  if (one && args.id != 0 && !EntityExists(school, *what, args.id))
    return Fail(std::to_string(args.id) + " numaralı kayıt yok");
  if (one && args.all) from = FirstEntity(school, *what);
  if (one && from == 0) return Fail("yazdırılacak kayıt yok");

  // Unless told otherwise: the overview sheets, and two teacher timetables on one
  // sheet, need the height and width of A3; everything else fits A4.
  const bool twoTeachers = *what == Printout::kTeacher && school.Settings.twoPerPage.get() != 0;
  PdfPage page;
  page.paper = args.paper == "A3" || (args.paper.empty() && (IsSheet(*what) || twoTeachers))
                   ? PdfPage::Paper::kA3
                   : PdfPage::Paper::kA4;
  page.landscape = !args.portrait;
  page.title =
      Cp1254ToUtf8(school.Settings.schoolName.view()) + " - " + std::string(PrintoutTitle(*what));
  const Selection selection = args.all ? Selection::kFromHere : Selection::kOne;
  const Status written = pdf.Write(
      args.pdf, page, [&](Canvas& canvas) { DrawPrintout(canvas, school, *what, from, selection); },
      disk);
  if (!written) return Fail(written.message());
  return 0;
}

}  // namespace

void AddPrintCommand(CLI::App& app, CommandContext& context) {
  auto args = std::make_shared<PrintArgs>();
  CLI::App* command = app.add_subcommand("print", "Bir çıktıyı PDF dosyasına yazar");
  AddFolderOption(*command, args->folder);
  std::string names;
  for (std::string_view n : PrintoutNames()) names += (names.empty() ? "" : "|") + std::string(n);
  command->add_option("--what", args->what, names)->required();
  auto* id = command->add_option("--id", args->id, "Öğretmen, sınıf ya da dersliğin numarası")
                 ->check(CLI::Range(1, 255));
  auto* all = command->add_flag("--all", args->all, "Hepsi, koleksiyon sırasıyla");
  id->excludes(all);
  command->add_option("--pdf", args->pdf, "Yazılacak PDF dosyası")->required();
  command->add_option("--paper", args->paper, "A4 ya da A3")->check(CLI::IsMember({"A4", "A3"}));
  command->add_flag("--portrait", args->portrait, "Dikey sayfa (yatay yerine)");
  command->callback(
      [args, &context] { context.exitCode = RunPrint(*args, context.disk, context.pdf); });
}

}  // namespace kalvodrin::cli
