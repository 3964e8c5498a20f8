// The subcommands put together into one command line.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli/commands.h"

namespace kalvodrin::cli {

int RunCli(int argc, char** argv, FileSystem& disk, PdfWriter& pdf) {
  CLI::App app{"Kalvodrin: okulun ders dağıtım programı, komut satırından"};
  app.require_subcommand(1);
  CommandContext context{0, disk, pdf};
  AddInitCommand(app, context);
  AddCheckCommand(app, context);
  AddToJsonCommand(app, context);
  AddFromJsonCommand(app, context);
  AddScheduleCommand(app, context);
  AddReportCommand(app, context);
  AddCompleteCommand(app, context);
  AddExportCommand(app, context);
  AddPrintCommand(app, context);
  AddBackupCommands(app, context);
  AddImportCommand(app, context);
  AddDutyCommand(app, context);
  AddSubstituteCommands(app, context);
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

}  // namespace kalvodrin::cli
