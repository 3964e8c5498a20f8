#pragma once
// Turkish personal names for generated teachers, principals and deputies (UTF-8,
// upper case). First names and surnames are dealt from shuffled lists, so the first
// 64 people share neither, and no two people of a school share a whole name.

#include <string>
#include <vector>

#include "rng.h"

namespace kalvodrin::samples {

class NamePool {
 public:
  explicit NamePool(uint64_t seed);

  // "AYŞE YILMAZ": a first name and a surname not handed out before. Fits 30 characters.
  std::string NextPerson();
  // A club ("EĞİTSEL KULÜP", at most 12 characters).
  std::string NextClub();

 private:
  Rng rng_;
  std::vector<int> firstOrder_;
  std::vector<int> surnameOrder_;
  int dealt_ = 0;
};

}  // namespace kalvodrin::samples
