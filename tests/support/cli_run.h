#pragma once
// Running kalvodrin-cli from a test as a user would, through the shell. The test
// target names the tool: KALVODRIN_CLI="$<TARGET_FILE:kalvodrin-cli>".

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "school_files.h"

namespace kalvodrin {

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the tool with `args` (already quoted for the shell), after `setup` (a folder
// change and variables, say) when one is given.
inline CliRun Cli(const testing::TempFolder& temp, const std::string& args,
                  const std::string& setup = "") {
  const std::filesystem::path out = temp.path() / "stdout.txt";
  const std::filesystem::path err = temp.path() / "stderr.txt";
  const std::string command = setup + std::string("'") + KALVODRIN_CLI + "' " + args + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  CliRun run;
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(out);
  run.err = Slurp(err);
  return run;
}

inline std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace kalvodrin
