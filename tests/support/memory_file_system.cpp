#include "memory_file_system.h"

#include <cerrno>
#include <utility>

namespace kalvodrin::testing {
namespace {

// The operating system's words for what went wrong.
constexpr const char* kNoEntry = "No such file or directory";
constexpr const char* kIsFolder = "Is a directory";
constexpr const char* kNotFolder = "Not a directory";
constexpr const char* kFileThere = "File exists";
constexpr const char* kFolderMove = "Operation not supported";

Status Error(const std::filesystem::path& path, const char* text) {
  return Status::Error(path.string() + ": " + text);
}

}  // namespace

std::string MemoryFileSystem::Key(const std::filesystem::path& path) {
  // Nearly every path the programs give is normal already ("/okul/DERSLER.LOF"), and
  // normalising one takes several allocations: the fuzzers ask thousands a second.
  const std::string& raw = path.native();
  std::string key = IsNormal(raw) ? raw : path.lexically_normal().generic_string();
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key.empty() ? "." : key;
}

bool MemoryFileSystem::IsNormal(std::string_view path) {
  if (path.empty()) return false;
  std::size_t from = 0;
  for (;;) {
    const std::size_t slash = path.find('/', from);
    const std::string_view part =
        path.substr(from, slash == std::string_view::npos ? std::string_view::npos : slash - from);
    // An empty part inside ("a//b") or at the end ("a/") is left to the long way too.
    if ((part.empty() && from != 0) || part == "." || part == "..") return false;
    if (slash == std::string_view::npos) return true;
    from = slash + 1;
  }
}

std::string MemoryFileSystem::ParentOf(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : key.substr(0, slash);
}

Status MemoryFileSystem::WriteDurably(const std::filesystem::path& path, const Bytes& content,
                                      const std::filesystem::path& /*modeOf*/) {
  const std::string key = Key(path);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  const std::string parent = ParentOf(key);
  if (files_.count(parent) != 0) return Error(path, kNotFolder);
  if (folders_.count(parent) == 0) return Error(path, kNoEntry);
  files_[key] = content;
  return Status::Ok();
}

Status MemoryFileSystem::Rename(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
  const std::string source = Key(from);
  const std::string target = Key(to);
  if (folders_.count(source) != 0) return Error(to, kFolderMove);
  auto it = files_.find(source);
  if (it == files_.end()) return Error(to, kNoEntry);
  if (folders_.count(target) != 0) return Error(to, kIsFolder);
  if (folders_.count(ParentOf(target)) == 0) return Error(to, kNoEntry);
  if (source == target) return Status::Ok();
  Bytes content = std::move(it->second);
  files_.erase(it);
  files_[target] = std::move(content);
  return Status::Ok();
}

Status MemoryFileSystem::Remove(const std::filesystem::path& path) {
  const std::string key = Key(path);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  files_.erase(key);
  return Status::Ok();
}

bool MemoryFileSystem::Exists(const std::filesystem::path& path) {
  const std::string key = Key(path);
  return files_.count(key) != 0 || folders_.count(key) != 0;
}

bool MemoryFileSystem::IsFolder(const std::filesystem::path& path) {
  return folders_.count(Key(path)) != 0;
}

Status MemoryFileSystem::FindFolder(const std::filesystem::path& path) {
  const std::string key = Key(path);
  if (folders_.count(key) != 0) return Status::Ok();
  return Status::Error(files_.count(key) != 0 ? "" : kNoEntry);
}

Status MemoryFileSystem::MakeFolders(const std::filesystem::path& path) {
  std::vector<std::string> missing;
  for (std::string key = Key(path); folders_.count(key) == 0; key = ParentOf(key)) {
    if (files_.count(key) != 0) return Error(path, missing.empty() ? kFileThere : kNotFolder);
    missing.push_back(key);
  }
  folders_.insert(missing.begin(), missing.end());
  return Status::Ok();
}

Status MemoryFileSystem::TryNewFile(const std::filesystem::path& path, int& error) {
  const std::string key = Key(path);
  const std::string parent = ParentOf(key);
  error = files_.count(key) != 0 || folders_.count(key) != 0 ? EEXIST
          : files_.count(parent) != 0                        ? ENOTDIR
          : folders_.count(parent) == 0                      ? ENOENT
                                                             : 0;
  if (error == 0) return Status::Ok();
  return Error(path, error == EEXIST ? kFileThere : error == ENOTDIR ? kNotFolder : kNoEntry);
}

Status MemoryFileSystem::Read(const std::filesystem::path& path, std::optional<Bytes>& content) {
  content.reset();
  const std::string key = Key(path);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  auto it = files_.find(key);
  if (it != files_.end()) content = it->second;
  return Status::Ok();
}

std::vector<std::string> MemoryFileSystem::Names(const std::filesystem::path& folder) {
  const std::string key = Key(folder);
  std::vector<std::string> names;
  if (folders_.count(key) == 0) return names;
  const std::string prefix = key == "/" ? key : key == "." ? "" : key + "/";
  const auto add = [&](const std::string& entry) {
    if (entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
        entry.find('/', prefix.size()) == std::string::npos)
      names.push_back(entry.substr(prefix.size()));
  };
  for (auto it = files_.lower_bound(prefix); it != files_.end(); ++it) {
    if (it->first.compare(0, prefix.size(), prefix) != 0) break;
    add(it->first);
  }
  for (auto it = folders_.lower_bound(prefix); it != folders_.end(); ++it) {
    if (it->compare(0, prefix.size(), prefix) != 0) break;
    add(*it);
  }
  return names;
}

void MemoryFileSystem::Put(const std::filesystem::path& path, Bytes content) {
  const std::string key = Key(path);
  static_cast<void>(MakeFolders(ParentOf(key)));
  files_[key] = std::move(content);
}

std::optional<Bytes> MemoryFileSystem::Get(const std::filesystem::path& path) const {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

void MemoryFileSystem::Clear() {
  files_.clear();
  folders_ = {"/", "."};
}

}  // namespace kalvodrin::testing
