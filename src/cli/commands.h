#pragma once
// The subcommands of kalvodrin-cli. Each Add*Command registers one subcommand with
// its options; when it runs it leaves its exit code in the context: 0 done, 1 the
// work could not be done (the reason on stderr, nothing written).

#include <string>

#include "core/file_system.h"

// CLI11 costs seconds of compiling in every file that includes it; the program's entry
// and the tests that only call RunCli need the name alone.
namespace CLI {
class App;
}

namespace kalvodrin::cli {

class PdfWriter;

struct CommandContext {
  int exitCode = 0;
  FileSystem& disk;  // every file a command writes goes through it
  PdfWriter& pdf;    // and every PDF file through this, after its drawing
};

// Parses the command line and runs the subcommand it names, writing through `disk`
// (PDF files drawn by `pdf`); returns the exit code.
int RunCli(int argc, char** argv, FileSystem& disk, PdfWriter& pdf);

void AddInitCommand(CLI::App& app, CommandContext& context);
void AddCheckCommand(CLI::App& app, CommandContext& context);
void AddToJsonCommand(CLI::App& app, CommandContext& context);
void AddFromJsonCommand(CLI::App& app, CommandContext& context);
void AddScheduleCommand(CLI::App& app, CommandContext& context);
void AddReportCommand(CLI::App& app, CommandContext& context);
void AddCompleteCommand(CLI::App& app, CommandContext& context);
void AddExportCommand(CLI::App& app, CommandContext& context);
void AddPrintCommand(CLI::App& app, CommandContext& context);
// backup and restore.
void AddBackupCommands(CLI::App& app, CommandContext& context);
void AddImportCommand(CLI::App& app, CommandContext& context);
void AddDutyCommand(CLI::App& app, CommandContext& context);
// substitute and free.
void AddSubstituteCommands(CLI::App& app, CommandContext& context);

}  // namespace kalvodrin::cli
