#pragma once
// What the subcommands share: finding the working folder, reading a school from it
// and telling the user why something could not be done.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/school.h"
#include "core/status.h"
#include "core/storage.h"

namespace kalvodrin::cli {

// Adds the --folder option every subcommand takes.
void AddFolderOption(CLI::App& command, std::string& folder);

// Whether a command writes into the working folder. One that only reads writes
// nothing anywhere: a missing YARDIM.LOF then stands for the default path uncreated.
enum class FolderUse { kReadOnly, kWriting };

// The folder given with --folder; without it, the working folder named in
// YARDIM.LOF, as the desktop program finds it (and, for a writing command, creates it).
Status ResolveFolder(const std::string& given, FolderUse use, std::filesystem::path& folder);

// A school read from its working folder (school->WorkFolder), with the bytes its files
// held past their records. On the heap, as a School is too large for the stack.
struct OpenedSchool {
  std::unique_ptr<School> school = std::make_unique<School>();
  TailBytes tails{};
};

// Finds the working folder as ResolveFolder does and reads the school there. Reading
// writes nothing: missing files load empty (or as their defaults); a folder that does
// not exist, or holds no data file at all, is an error.
Status OpenSchool(const std::string& given, FolderUse use, OpenedSchool& opened);

// The first data file present in the folder, or "" when it holds none.
std::string FirstDataFileIn(const std::filesystem::path& folder);

// The text followed by spaces up to `width` characters (UTF-8 counted as letters, so
// Turkish names line up), and at least one space, for the columns of a table.
std::string Pad(const std::string& text, std::size_t width);

// Prints "kalvodrin-cli: message" on stderr and gives exit code 1.
int Fail(std::string_view message);

}  // namespace kalvodrin::cli
