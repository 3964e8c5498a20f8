#include "scheduler/run_observer.h"

#include <cmath>

namespace kalvodrin {

namespace {

std::string TwoDigits(long n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string ElapsedText(long seconds) {
  if (seconds < 0) seconds = 0;
  const long hours = seconds / 3600;
  const long minutes = (seconds - hours * 3600) / 60;
  const long rest = seconds - hours * 3600 - minutes * 60;
  return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(rest);
}

std::string SkipCountdownText(double seconds) {
  const long tenths = seconds <= 0 ? 0 : static_cast<long>(std::ceil(seconds * 10 - 1e-9));
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " sn";
}

}  // namespace kalvodrin
