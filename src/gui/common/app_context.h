#pragma once
// What every window of the program is given: the school it works on and the shared
// message and help windows. Passed by reference; there are no globals.

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
};

}  // namespace kalvodrin
