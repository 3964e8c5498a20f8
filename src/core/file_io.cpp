#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "core/file_system.h"

namespace kalvodrin {
namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

Status ErrnoStatus(const std::filesystem::path& path, int error) {
  return Status::Error(path.string() + ": " + std::strerror(error));
}

}  // namespace

std::filesystem::path ResolveInFolder(const std::filesystem::path& folder,
                                      std::string_view name) {
  LocalFileSystem disk;
  return ResolveInFolder(folder, name, disk);
}

std::filesystem::path ResolveInFolder(const std::filesystem::path& folder, std::string_view name,
                                      FileSystem& disk) {
  return FolderNames(folder, disk).Resolve(name);
}

FolderNames::FolderNames(std::filesystem::path folder, FileSystem& disk)
    : folder_(std::move(folder)), disk_(disk) {}

std::filesystem::path FolderNames::Resolve(std::string_view name) {
  std::filesystem::path exact = folder_ / std::string(name);
  if (disk_.Exists(exact)) return exact;
  if (!listed_) {
    names_ = disk_.Names(folder_);
    for (const std::string& found : names_) upperNames_.push_back(Upper(found));
    listed_ = true;
  }
  const std::string wanted = Upper(name);
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (upperNames_[i] == wanted) return folder_ / names_[i];
  return exact;
}

Status ReadWholeFile(const std::filesystem::path& path, std::optional<Bytes>& content) {
  content.reset();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? Status::Ok() : ErrnoStatus(path, errno);
  Bytes data;
  uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return ErrnoStatus(path, error);
    }
    if (n == 0) break;
    data.insert(data.end(), buffer, buffer + n);
  }
  ::close(fd);
  content = std::move(data);
  return Status::Ok();
}

Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content) {
  LocalFileSystem disk;
  return WriteFileAtomically(path, content, disk);
}

Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content,
                           FileSystem& disk) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  Status written = disk.WriteDurably(temp, content, path);
  if (written) written = disk.Rename(temp, path);
  if (!written) {
    static_cast<void>(disk.Remove(temp));
    return written;
  }
  // The rename is only on disk once the folder is.
  disk.SyncFolder(path.parent_path());
  return Status::Ok();
}

Status EnsureFolder(const std::filesystem::path& folder) {
  LocalFileSystem disk;
  return EnsureFolder(folder, disk);
}

Status EnsureFolder(const std::filesystem::path& folder, FileSystem& disk) {
  return disk.MakeFolders(folder);
}

Status FolderThere(const std::filesystem::path& folder, FileSystem& disk) {
  const Status found = disk.FindFolder(folder);
  if (found) return found;
  return Status::Error(folder.string() + ": " +
                       (found.message().empty() ? std::string("klasör yok") : found.message()));
}

}  // namespace kalvodrin
