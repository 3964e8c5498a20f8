#pragma once
// What every window of the program is given: the school it works on and the shared
// message and help windows. Passed by reference; there are no globals.

#include "core/file_system.h"

namespace kalvodrin {

struct School;
class TSilForm;
class THelpForm;
class PrintRequests;

struct AppContext {
  School& school;
  TSilForm& sil;
  THelpForm& help;
  PrintRequests* printing = nullptr;  // see gui/common/print_requests.h
  // Where the windows write their files: the machine's own when none is given (tests
  // give one that fails a chosen step).
  FileSystem* disk = nullptr;
  mutable LocalFileSystem machine{};

  FileSystem& Disk() const { return disk != nullptr ? *disk : machine; }
};

}  // namespace kalvodrin
