#pragma once
// Outcomes of work that can fail for reasons outside the program (files, folders,
// disks). The message is the operating system's, ready to show.

#include <string>
#include <utility>

namespace kalvodrin {

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}
  bool ok_ = true;
  std::string message_;
};

}  // namespace kalvodrin
