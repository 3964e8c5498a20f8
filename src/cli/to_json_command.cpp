// to-json: the whole school of a working folder as JSON on stdout.

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/school_json.h"

namespace kalvodrin::cli {
namespace {

int RunToJson(const std::string& given) {
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  std::cout << SchoolJsonText(school);
  return std::cout.good() ? 0 : Fail("standart çıktıya yazılamadı");
}

}  // namespace

void AddToJsonCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("to-json", "Okulu JSON olarak yazar (UTF-8)");
  AddFolderOption(*command, *folder);
  command->callback([folder, &context] { context.exitCode = RunToJson(*folder); });
}

}  // namespace kalvodrin::cli
