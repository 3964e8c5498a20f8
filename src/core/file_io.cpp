#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

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

// A rewritten file keeps the permissions the user gave the old one (a folder shared
// by a group stays writable for the group); a new file gets 0644 less the umask.
void KeepModeOf(const std::filesystem::path& old, int fd) {
  struct stat st {};
  if (::stat(old.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    static_cast<void>(::fchmod(fd, st.st_mode & 07777));
}

// The rename is only on disk once the folder is; failure here changes nothing the
// reader sees, so it is not reported.
void SyncFolderOf(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

}  // namespace

std::filesystem::path ResolveInFolder(const std::filesystem::path& folder,
                                      std::string_view name) {
  std::filesystem::path exact = folder / std::string(name);
  std::error_code ec;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::string wanted = Upper(name);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (Upper(it->path().filename().string()) == wanted) return it->path();
  }
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
  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoStatus(path, errno);
  KeepModeOf(path, fd);
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      return ErrnoStatus(path, error);
    }
    done += static_cast<std::size_t>(n);
  }
  const int syncError = ::fsync(fd) != 0 ? errno : 0;
  const int closeError = ::close(fd) != 0 ? errno : 0;
  if (syncError != 0 || closeError != 0) {
    ::unlink(temp.c_str());
    return ErrnoStatus(path, syncError != 0 ? syncError : closeError);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return ErrnoStatus(path, error);
  }
  SyncFolderOf(path);
  return Status::Ok();
}

Status EnsureFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return Status::Ok();
  std::filesystem::create_directories(folder, ec);
  if (ec) return Status::Error(folder.string() + ": " + ec.message());
  return Status::Ok();
}

}  // namespace kalvodrin
