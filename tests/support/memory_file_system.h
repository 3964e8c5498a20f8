#pragma once
// A file system held in memory, for tests and fuzz targets that must not touch the
// disk: the fuzzers run thousands of loads and saves a second through it. It keeps
// the rules of the machine's own that the saves and loads rely on: a file needs its
// folder, a folder is never read, written, renamed or removed as a file, a rename
// replaces the file at its target, and a missing file reads as none. There are no
// links and no permissions; folder syncs do nothing.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"

namespace kalvodrin::testing {

class MemoryFileSystem : public FileSystem {
 public:
  Status WriteDurably(const std::filesystem::path& path, const Bytes& content,
                      const std::filesystem::path& modeOf) override;
  Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  Status Remove(const std::filesystem::path& path) override;
  bool Exists(const std::filesystem::path& path) override;
  bool IsFolder(const std::filesystem::path& path) override;
  Status FindFolder(const std::filesystem::path& path) override;
  Status MakeFolders(const std::filesystem::path& path) override;
  Status Read(const std::filesystem::path& path, std::optional<Bytes>& content) override;
  std::vector<std::string> Names(const std::filesystem::path& folder) override;
  void SyncFolder(const std::filesystem::path&) override {}
  Status TryNewFile(const std::filesystem::path& path, int& error) override;

  // Puts a file there as it is, making its folders; for setting up a test.
  void Put(const std::filesystem::path& path, Bytes content);
  // The file's bytes; none when no file is there.
  std::optional<Bytes> Get(const std::filesystem::path& path) const;
  // Every file and folder goes; only the root stays.
  void Clear();
  // The files by path, in path order.
  const std::map<std::string, Bytes, std::less<>>& files() const { return files_; }

 private:
  // The path as the maps hold it: a view of the path's own text where that is normal
  // already (nearly every path the programs give), else its normal form, kept in
  // `normal`. The fuzzers ask thousands of paths a second, and a key of its own was an
  // allocation for each.
  static std::string_view Key(const std::filesystem::path& path, std::string& normal);
  static bool IsNormal(std::string_view path);
  static std::string_view ParentOf(std::string_view key);
  void SetFile(std::string_view key, Bytes content);

  std::map<std::string, Bytes, std::less<>> files_;
  std::set<std::string, std::less<>> folders_{"/", "."};
};

}  // namespace kalvodrin::testing
