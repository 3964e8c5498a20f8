#pragma once
// The machine's file system with one step made to fail, for tests that a write leaves
// the old state whole whichever step fails. Steps are the writes, renames and
// removals, counted from 0. A write can fail in three places, as the operating system
// lets it: at the open (nothing is written), in the middle (half the bytes are left
// behind, as a full disk does) or at the flush to disk (every byte is there, but the
// disk did not confirm them). With a negative `failAt` nothing fails and the steps are
// only counted. `failing` steps in a row fail from `failAt` on: a disk that drops out
// fails the step that would undo the first failure as well.

#include <filesystem>
#include <fstream>
#include <string>

#include "core/file_system.h"

namespace kalvodrin::testing {

enum class WriteFault { kOpen, kWrite, kFlush };
inline constexpr WriteFault kWriteFaults[] = {WriteFault::kOpen, WriteFault::kWrite,
                                              WriteFault::kFlush};

// The texts the injected failures carry, as the operating system words them.
inline constexpr const char* kOpenError = "Permission denied";
inline constexpr const char* kWriteError = "No space left on device";
inline constexpr const char* kFlushError = "Input/output error";
inline constexpr const char* kRenameError = "Read-only file system";
inline constexpr const char* kRemoveError = "Device or resource busy";

class FaultyFileSystem : public LocalFileSystem {
 public:
  explicit FaultyFileSystem(int failAt = -1, WriteFault how = WriteFault::kWrite, int failing = 1)
      : failAt_(failAt), how_(how), failing_(failing) {}

  Status WriteDurably(const std::filesystem::path& path, const Bytes& content,
                      const std::filesystem::path& /*modeOf*/) override {
    const bool fails = Fails();
    if (!fails) {
      ++writes_;
      return Write(path, content);
    }
    failedWrite_ = true;
    switch (how_) {
      case WriteFault::kOpen: return Error(path, kOpenError);
      case WriteFault::kWrite:
        static_cast<void>(
            Write(path, Bytes(content.begin(), content.begin() + content.size() / 2)));
        return Error(path, kWriteError);
      case WriteFault::kFlush:
        static_cast<void>(Write(path, content));
        return Error(path, kFlushError);
    }
    return Error(path, kWriteError);
  }
  Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (Fails()) return Error(to, kRenameError);
    return LocalFileSystem::Rename(from, to);
  }
  Status Remove(const std::filesystem::path& path) override {
    if (Fails()) return Error(path, kRemoveError);
    return LocalFileSystem::Remove(path);
  }
  // Tests need no durability, and a flush to disk per write would make a test that
  // fails every step of a fifteen-file save take a minute.
  void SyncFolder(const std::filesystem::path&) override {}

  int steps() const { return step_; }
  int writes() const { return writes_; }
  // Whether the step that failed was a write (so each way of failing one is worth a
  // run of its own).
  bool failedWrite() const { return failedWrite_; }

 private:
  bool Fails() {
    const int step = step_++;
    return failAt_ >= 0 && step >= failAt_ && step < failAt_ + failing_;
  }
  static Status Write(const std::filesystem::path& path, const Bytes& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()),
              static_cast<std::streamsize>(content.size()));
    out.close();
    return out ? Status::Ok() : Status::Error(path.string() + ": write failed");
  }
  static Status Error(const std::filesystem::path& path, const char* text) {
    return Status::Error(path.string() + ": " + text);
  }

  int failAt_;
  WriteFault how_;
  int failing_;
  int step_ = 0;
  int writes_ = 0;
  bool failedWrite_ = false;
};

}  // namespace kalvodrin::testing
