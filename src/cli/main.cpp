// kalvodrin-cli: the school's working folder without a display. Exit codes: 0 done,
// 1 the work could not be done (reason on stderr, nothing written), 2 usage error.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace kalvodrin::cli;
  CLI::App app{"Kalvodrin: okulun ders dağıtım programı, komut satırından"};
  app.require_subcommand(1);
  CommandContext context;
  AddInitCommand(app, context);
  AddCheckCommand(app, context);
  AddToJsonCommand(app, context);
  AddFromJsonCommand(app, context);
  AddScheduleCommand(app, context);
  AddReportCommand(app, context);
  AddCompleteCommand(app, context);
  AddExportCommand(app, context);
#ifdef KALVODRIN_HAVE_PDF
  AddPrintCommand(app, context);
#endif
  AddBackupCommands(app, context);
  AddImportCommand(app, context);
  AddDutyCommand(app, context);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  } catch (const std::exception& e) {
    std::cerr << "kalvodrin-cli: " << e.what() << '\n';
    return 1;
  }
  return context.exitCode;
}
