// The tool loads the PDF module only when a command writes a PDF file: without the
// module that command says why and writes nothing, and every other command works.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/pdf_writer.h"
#include "cli_run.h"
#include "core/storage.h"
#include "school_builder.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

// Writes one page with a line of text through `pdf`; whether the drawing ran.
Status WriteOnePage(cli::PdfWriter& pdf, const fs::path& file, bool& drawn) {
  LocalFileSystem disk;
  PdfPage page;
  page.title = "DENEME";
  return pdf.Write(
      file, page,
      [&](Canvas& canvas) {
        drawn = true;
        canvas.BeginDoc();
        canvas.Text(10, 10, "ÖĞRETMEN");
      },
      disk);
}

// The tool in this process, writing PDF files through `pdf`: its exit code and stderr.
std::pair<int, std::string> RunWith(cli::PdfWriter& pdf, std::vector<std::string> args) {
  args.insert(args.begin(), "kalvodrin-cli");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  LocalFileSystem disk;
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), disk, pdf);
  static_cast<void>(::testing::internal::GetCapturedStdout());
  return {code, ::testing::internal::GetCapturedStderr()};
}

TEST(PdfWriter, LooksBesideTheProgramThenInThePackagesLibraryFolder) {
  EXPECT_EQ(
      cli::PdfModulePlaces("/usr/bin"),
      (std::vector<fs::path>{"/usr/bin/kalvodrin-pdf.so", "/usr/lib/kalvodrin/kalvodrin-pdf.so"}));
  EXPECT_FALSE(cli::ProgramFolder().empty());
}

TEST(PdfWriter, WithoutAModuleSaysWhereItLookedAndDrawsAndWritesNothing) {
  TempFolder temp;
  const fs::path pdfFile = temp / "cikti.pdf";
  cli::PdfWriter missing({temp / "yok.so", temp / "lib" / "yok.so"});
  bool drawn = false;
  const Status none = WriteOnePage(missing, pdfFile, drawn);
  ASSERT_FALSE(none);
  EXPECT_NE(none.message().find("PDF yazdırma modülü bulunamadı"), std::string::npos);
  EXPECT_NE(none.message().find((temp / "lib" / "yok.so").string()), std::string::npos);
  EXPECT_FALSE(drawn);
  EXPECT_FALSE(fs::exists(pdfFile));

  // A file of that name that is no shared object is refused with the loader's reason.
  WriteBytes(temp / "yok.so", Bytes{'%', 'P', 'D', 'F'});
  const Status broken = WriteOnePage(missing, pdfFile, drawn);
  ASSERT_FALSE(broken);
  EXPECT_NE(broken.message().find("PDF modülü yüklenemedi"), std::string::npos);
  EXPECT_FALSE(drawn);
  EXPECT_FALSE(fs::exists(pdfFile));
}

TEST(PdfWriter, WithoutAModulePrintFailsAndEveryOtherCommandRuns) {
  TempFolder temp;
  const fs::path work = temp / "okul";
  std::unique_ptr<School> school = std::make_unique<School>(SmallTimetableSchool().Build());
  school->WorkFolder = work;
  fs::create_directories(work);
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()));
  cli::PdfWriter missing({temp / "yok.so"});

  const auto [printed, printErr] =
      RunWith(missing, {"print", "--what", "teacher-list", "--folder", work.string(), "--pdf",
                        (temp / "liste.pdf").string()});
  EXPECT_EQ(printed, 1);
  EXPECT_NE(printErr.find("PDF yazdırma modülü bulunamadı"), std::string::npos) << printErr;
  EXPECT_FALSE(fs::exists(temp / "liste.pdf"));

  EXPECT_EQ(RunWith(missing, {"check", "--folder", work.string()}).first, 0);
  EXPECT_EQ(RunWith(missing, {"complete", "--folder", work.string(), "--seed", "1"}).first, 0);
  EXPECT_EQ(
      RunWith(missing, {"free", "--folder", work.string(), "--day", "1", "--hour", "1"}).first, 0);
}

// What every command loads at start: the C++ runtime, not Qt's painting.
TEST(PdfWriter, TheToolLinksNoQt) {
  const std::string command = std::string("ldd '") + KALVODRIN_CLI + "'";
  FILE* ldd = popen(command.c_str(), "r");
  ASSERT_NE(ldd, nullptr);
  std::string libraries;
  char line[512];
  while (fgets(line, sizeof line, ldd) != nullptr) libraries += line;
  ASSERT_EQ(pclose(ldd), 0);
  EXPECT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
  EXPECT_EQ(libraries.find("libQt6"), std::string::npos) << libraries;
}

#ifdef KALVODRIN_HAVE_PDF
TEST(PdfWriter, TheBuiltModuleWritesWholeDocumentsFromTheFirstPlaceHoldingIt) {
  TempFolder temp;
  cli::PdfWriter pdf({temp / "yok.so", KALVODRIN_PDF_MODULE});
  for (const char* name : {"bir.pdf", "iki.pdf"}) {
    bool drawn = false;
    const Status written = WriteOnePage(pdf, temp / name, drawn);
    ASSERT_TRUE(written) << written.message();
    EXPECT_TRUE(drawn);
    const Bytes document = ReadBytes(temp / name);
    ASSERT_GT(document.size(), 100u);
    EXPECT_EQ(std::string(document.begin(), document.begin() + 5), "%PDF-");
  }
}
#endif

}  // namespace
}  // namespace kalvodrin
