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

std::string_view MemoryFileSystem::Key(const std::filesystem::path& path, std::string& normal) {
  // Normalising a path takes several allocations: only those not normal already are.
  const std::string& raw = path.native();
  if (IsNormal(raw)) return raw;
  normal = path.lexically_normal().generic_string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  if (normal.empty()) normal.push_back('.');
  return normal;
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

std::string_view MemoryFileSystem::ParentOf(std::string_view key) {
  const std::size_t slash = key.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : key.substr(0, slash);
}

Status MemoryFileSystem::WriteDurably(const std::filesystem::path& path, const Bytes& content,
                                      const std::filesystem::path& /*modeOf*/) {
  std::string normal;
  const std::string_view key = Key(path, normal);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  const std::string_view parent = ParentOf(key);
  if (files_.count(parent) != 0) return Error(path, kNotFolder);
  if (folders_.count(parent) == 0) return Error(path, kNoEntry);
  SetFile(key, content);
  return Status::Ok();
}

Status MemoryFileSystem::Rename(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
  std::string normalFrom;
  std::string normalTo;
  const std::string_view source = Key(from, normalFrom);
  const std::string_view target = Key(to, normalTo);
  if (folders_.count(source) != 0) return Error(to, kFolderMove);
  auto it = files_.find(source);
  if (it == files_.end()) return Error(to, kNoEntry);
  if (folders_.count(target) != 0) return Error(to, kIsFolder);
  if (folders_.count(ParentOf(target)) == 0) return Error(to, kNoEntry);
  if (source == target) return Status::Ok();
  Bytes content = std::move(it->second);
  files_.erase(it);
  SetFile(target, std::move(content));
  return Status::Ok();
}

Status MemoryFileSystem::Remove(const std::filesystem::path& path) {
  std::string normal;
  const std::string_view key = Key(path, normal);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  if (auto it = files_.find(key); it != files_.end()) files_.erase(it);
  return Status::Ok();
}

bool MemoryFileSystem::Exists(const std::filesystem::path& path) {
  std::string normal;
  const std::string_view key = Key(path, normal);
  return files_.count(key) != 0 || folders_.count(key) != 0;
}

bool MemoryFileSystem::IsFolder(const std::filesystem::path& path) {
  std::string normal;
  return folders_.count(Key(path, normal)) != 0;
}

Status MemoryFileSystem::FindFolder(const std::filesystem::path& path) {
  std::string normal;
  const std::string_view key = Key(path, normal);
  if (folders_.count(key) != 0) return Status::Ok();
  return Status::Error(files_.count(key) != 0 ? "" : kNoEntry);
}

Status MemoryFileSystem::MakeFolders(const std::filesystem::path& path) {
  std::string normal;
  std::vector<std::string> missing;
  for (std::string_view key = Key(path, normal); folders_.count(key) == 0; key = ParentOf(key)) {
    if (files_.count(key) != 0) return Error(path, missing.empty() ? kFileThere : kNotFolder);
    missing.emplace_back(key);
  }
  folders_.insert(missing.begin(), missing.end());
  return Status::Ok();
}

Status MemoryFileSystem::TryNewFile(const std::filesystem::path& path, int& error) {
  std::string normal;
  const std::string_view key = Key(path, normal);
  const std::string_view parent = ParentOf(key);
  error = files_.count(key) != 0 || folders_.count(key) != 0 ? EEXIST
          : files_.count(parent) != 0                        ? ENOTDIR
          : folders_.count(parent) == 0                      ? ENOENT
                                                             : 0;
  if (error == 0) return Status::Ok();
  return Error(path, error == EEXIST ? kFileThere : error == ENOTDIR ? kNotFolder : kNoEntry);
}

Status MemoryFileSystem::Read(const std::filesystem::path& path, std::optional<Bytes>& content) {
  content.reset();
  std::string normal;
  const std::string_view key = Key(path, normal);
  if (folders_.count(key) != 0) return Error(path, kIsFolder);
  auto it = files_.find(key);
  if (it != files_.end()) content = it->second;
  return Status::Ok();
}

std::vector<std::string> MemoryFileSystem::Names(const std::filesystem::path& folder) {
  std::string normal;
  const std::string_view key = Key(folder, normal);
  std::vector<std::string> names;
  if (folders_.count(key) == 0) return names;
  const std::string prefix = key == "/" ? "/" : key == "." ? "" : std::string(key) + "/";
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
  std::string normal;
  const std::string_view key = Key(path, normal);
  if (const std::string_view parent = ParentOf(key); folders_.count(parent) == 0)
    static_cast<void>(MakeFolders(std::string(parent)));
  SetFile(key, std::move(content));
}

std::optional<Bytes> MemoryFileSystem::Get(const std::filesystem::path& path) const {
  std::string normal;
  auto it = files_.find(Key(path, normal));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

void MemoryFileSystem::SetFile(std::string_view key, Bytes content) {
  if (auto it = files_.find(key); it != files_.end())
    it->second = std::move(content);
  else
    files_.emplace(key, std::move(content));
}

void MemoryFileSystem::Clear() {
  files_.clear();
  folders_ = {"/", "."};
}

}  // namespace kalvodrin::testing
