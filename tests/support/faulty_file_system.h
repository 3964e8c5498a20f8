#pragma once
// The machine's file system with one step made to fail, for tests that a multi-file
// write leaves the old state whole whichever step fails. Steps are the writes, renames
// and removals, counted from 0; a failed write leaves half its bytes behind, as a full
// disk does. With a negative `failAt` nothing fails and the steps are only counted.

#include <filesystem>

#include "core/file_system.h"
#include "school_files.h"

namespace kalvodrin::testing {

class FaultyFileSystem : public LocalFileSystem {
 public:
  explicit FaultyFileSystem(int failAt = -1) : failAt_(failAt) {}

  Status WriteDurably(const std::filesystem::path& path, const Bytes& content,
                      const std::filesystem::path& modeOf) override {
    if (!Fails()) return LocalFileSystem::WriteDurably(path, content, modeOf);
    WriteBytes(path, Bytes(content.begin(), content.begin() + content.size() / 2));
    return Status::Error(path.string() + ": No space left on device");
  }
  Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (Fails()) return Status::Error(to.string() + ": Input/output error");
    return LocalFileSystem::Rename(from, to);
  }
  Status Remove(const std::filesystem::path& path) override {
    if (Fails()) return Status::Error(path.string() + ": Input/output error");
    return LocalFileSystem::Remove(path);
  }
  int steps() const { return step_; }

 private:
  bool Fails() { return step_++ == failAt_; }

  int failAt_;
  int step_ = 0;
};

}  // namespace kalvodrin::testing
