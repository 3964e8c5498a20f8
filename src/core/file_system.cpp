#include "core/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

namespace kalvodrin {
namespace {

Status ErrnoStatus(const std::filesystem::path& path, int error) {
  return Status::Error(path.string() + ": " + std::strerror(error));
}

// A rewritten file keeps the permissions the user gave the old one (a folder shared
// by a group stays writable for the group); a new file gets 0644 less the umask.
void KeepModeOf(const std::filesystem::path& old, int fd) {
  struct stat st {};
  if (::stat(old.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    static_cast<void>(::fchmod(fd, st.st_mode & 07777));
}

}  // namespace

Status LocalFileSystem::WriteDurably(const std::filesystem::path& path, const Bytes& content,
                                     const std::filesystem::path& modeOf) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoStatus(path, errno);
  KeepModeOf(modeOf, fd);
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return ErrnoStatus(path, error);
    }
    done += static_cast<std::size_t>(n);
  }
  const int syncError = ::fsync(fd) != 0 ? errno : 0;
  const int closeError = ::close(fd) != 0 ? errno : 0;
  if (syncError != 0 || closeError != 0)
    return ErrnoStatus(path, syncError != 0 ? syncError : closeError);
  return Status::Ok();
}

Status LocalFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return ErrnoStatus(to, errno);
  return Status::Ok();
}

Status LocalFileSystem::Remove(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return ErrnoStatus(path, errno);
  return Status::Ok();
}

bool LocalFileSystem::Exists(const std::filesystem::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool LocalFileSystem::IsFolder(const std::filesystem::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Status LocalFileSystem::FindFolder(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Status::Ok();
  return Status::Error(ec ? ec.message() : std::string());
}

Status LocalFileSystem::MakeFolders(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Status::Ok();
  std::filesystem::create_directories(path, ec);
  if (ec) return Status::Error(path.string() + ": " + ec.message());
  return Status::Ok();
}

Status LocalFileSystem::Read(const std::filesystem::path& path, std::optional<Bytes>& content) {
  return ReadWholeFile(path, content);
}

std::vector<std::string> LocalFileSystem::Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  return names;
}

// Failure here changes nothing the reader sees, so it is not reported.
void LocalFileSystem::SyncFolder(const std::filesystem::path& folder) {
  const std::filesystem::path name = folder.empty() ? "." : folder;
  const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

Status LocalFileSystem::TryNewFile(const std::filesystem::path& path, int& error) {
  error = 0;
  // O_EXCL: a file of someone else's that happens to have the name is never opened,
  // let alone removed.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = errno;
    return ErrnoStatus(path, error);
  }
  ::close(fd);
  ::unlink(path.c_str());
  return Status::Ok();
}

}  // namespace kalvodrin
