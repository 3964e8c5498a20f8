#pragma once
// The few file-system steps a save is made of, behind an interface so that tests can
// make any one of them fail (or stop, as a crash would) and watch what is left.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/status.h"

namespace kalvodrin {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates or truncates `path`, writes `content` and flushes it to disk. The file
  // takes the permissions of `modeOf` when that is a file (a rewritten file keeps
  // what the user gave the old one). A failure may leave a partial file behind.
  virtual Status WriteDurably(const std::filesystem::path& path, const Bytes& content,
                              const std::filesystem::path& modeOf) = 0;
  // Renames over an existing `to`.
  virtual Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // A missing file is not an error.
  virtual Status Remove(const std::filesystem::path& path) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  // Whether a folder (not a link to one) stands at `path`.
  virtual bool IsFolder(const std::filesystem::path& path) = 0;
  // Ok when a folder stands at `path`, itself or behind links. Otherwise an error with
  // the system's reason ("No such file or directory"), empty when a file stands there.
  virtual Status FindFolder(const std::filesystem::path& path) = 0;
  // Creates the folder and its missing parents; one already there is not an error.
  virtual Status MakeFolders(const std::filesystem::path& path) = 0;
  // Missing file: ok with an empty optional.
  virtual Status Read(const std::filesystem::path& path, std::optional<Bytes>& content) = 0;
  // The names of the folder's entries; none when it cannot be read.
  virtual std::vector<std::string> Names(const std::filesystem::path& folder) = 0;
  // Puts the folder's entries (created, renamed, removed files) on disk.
  virtual void SyncFolder(const std::filesystem::path& folder) = 0;
  // Makes an empty file where nothing stands and removes it again: whether new files
  // can be made in its folder. On failure `error` is the system's error number
  // (ENOENT: no folder there, EROFS: a read-only disk, EEXIST: something stands at
  // `path`, ...); either way nothing is left behind.
  virtual Status TryNewFile(const std::filesystem::path& path, int& error) = 0;
};

// The machine's own file system.
class LocalFileSystem : public FileSystem {
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
  void SyncFolder(const std::filesystem::path& folder) override;
  Status TryNewFile(const std::filesystem::path& path, int& error) override;
};

}  // namespace kalvodrin
