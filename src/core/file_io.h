#pragma once
// Whole-file reads and atomic writes, with the operating system's message on failure.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace kalvodrin {

class FileSystem;

using Bytes = std::vector<uint8_t>;

// The file of that name in the folder, matched without regard to case; when none
// exists, the name as given (upper-case for our files).
std::filesystem::path ResolveInFolder(const std::filesystem::path& folder,
                                      std::string_view name);

// Missing file: ok with an empty optional. Any other failure: an error status.
Status ReadWholeFile(const std::filesystem::path& path, std::optional<Bytes>& content);

// Writes a temporary file beside the target, flushes it to disk and renames it over
// the target, so the old file stays whole when anything fails.
Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content);
Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content,
                           FileSystem& disk);

// Creates the folder and its parents when missing.
Status EnsureFolder(const std::filesystem::path& folder);

}  // namespace kalvodrin
