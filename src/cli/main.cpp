// kalvodrin-cli: the school's working folder without a display. Exit codes: 0 done,
// 1 the work could not be done (reason on stderr, nothing written), 2 usage error.

#include "cli/commands.h"
#include "cli/pdf_writer.h"
#include "core/file_system.h"

int main(int argc, char** argv) {
  kalvodrin::LocalFileSystem disk;
  kalvodrin::cli::PdfWriter pdf(kalvodrin::cli::PdfModulePlaces(kalvodrin::cli::ProgramFolder()));
  return kalvodrin::cli::RunCli(argc, argv, disk, pdf);
}
