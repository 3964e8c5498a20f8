// check: lists what is damaged in a working folder's data files (bytes no window would
// write) and then where the timetables and assignments disagree; exit 1 when anything
// is listed. A dangling number may show in both parts, each naming it its own way.

#include <iostream>
#include <memory>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/damage_check.h"
#include "engine/consistency.h"

namespace kalvodrin::cli {
namespace {

int RunCheck(const std::string& given) {
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  std::vector<std::string> lines;
  for (const Damage& d : FindDamage(school, opened.tails)) lines.push_back(DamageLine(d));
  for (std::string& line : CheckConsistency(school)) lines.push_back(std::move(line));
  for (const std::string& line : lines) std::cout << line << '\n';
  if (lines.empty()) {
    std::cout << "Sorun bulunamadı.\n";
    return 0;
  }
  return Fail(std::to_string(lines.size()) + " sorun bulundu");
}

}  // namespace

void AddCheckCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  CLI::App* command =
      app.add_subcommand("check", "Bozuk ya da tutarsız verileri listeler; varsa çıkış kodu 1");
  AddFolderOption(*command, *folder);
  command->callback([folder, &context] { context.exitCode = RunCheck(*folder); });
}

}  // namespace kalvodrin::cli
