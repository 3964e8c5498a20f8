#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

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
  std::filesystem::path exact = folder / std::string(name);
  if (disk.Exists(exact)) return exact;
  const std::string wanted = Upper(name);
  for (const std::string& found : disk.Names(folder))
    if (Upper(found) == wanted) return folder / found;
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
