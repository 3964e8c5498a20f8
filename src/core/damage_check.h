#pragma once
// Finding what no window of the program would have written into the data files: the
// damage a copy, a disk fault or another tool leaves behind. Loading takes such bytes
// as they are (lookups treat a bad number as absent, a long text as cut to its
// field); this check names each fault with the record it is in, so it can be mended.

#include <cstddef>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/school.h"
#include "core/storage.h"

namespace kalvodrin {

struct Damage {
  DataFile file;
  std::size_t record;  // 1-based position in the file; 0 = the file as a whole
  std::string text;    // UTF-8: the record's identity and the fault
};

// Looks for texts whose length byte exceeds their field, member counts above 15,
// numbers that name no record, patterns that do not add up to the weekly hours or
// increase, numbers used twice, grids of unknown teachers, classes or classrooms, and
// the bytes after the last whole record of each file (`tails`, as LoadSchool found
// them). In file order, one entry per fault.
std::vector<Damage> FindDamage(const School& school, const TailBytes& tails);

// "DERSLER.LOF, kayıt 3: ders 12: name uzunluk baytı 40, alan en çok 30 karakter"
std::string DamageLine(const Damage& damage);

}  // namespace kalvodrin
