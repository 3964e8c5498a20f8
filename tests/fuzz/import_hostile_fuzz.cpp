// The predecessor program's seven files built from the input with hostile shapes that
// raw fuzzer bytes seldom reach: record counts from none to past the 255 numbers a
// school can hold, record numbers repeated, 0 or 255, text length bytes beyond their
// fields, hours and patterns of any value, and sizes cut inside a record or grown by
// part of one. Whatever the files hold, the imported school is consistent, holds no
// damage the check would name but patterns as the predecessor kept them, stays within
// 255 records of each kind, and saves and loads back byte for byte.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/damage_check.h"
#include "core/storage.h"
#include "engine/consistency.h"
#include "fuzz_support.h"
#include "memory_file_system.h"
#include "shell/predecessor_conversion.h"
#include "vel_files.h"

using namespace kalvodrin;
namespace vel = kalvodrin::testing;

namespace {

// Few records mostly, now and then many or more than a school can number.
int CountOf(fuzz::Choices& in) {
  switch (in.Below(4)) {
    case 0: return in.Below(4);
    case 1: return in.Below(41);
    case 2: return 250 + in.Below(51);
    default: return 255 + in.Below(2);
  }
}

// A byte where a wrong reader would go astray: the edges, the field sizes, any.
uint8_t HostileByte(fuzz::Choices& in) {
  static constexpr uint8_t kEdges[] = {0, 1, 4, 5, 8, 12, 16, 17, 30, 31, 80, 81, 254, 255};
  const uint8_t b = in.Byte();
  return b < 128 ? kEdges[b % std::size(kEdges)] : in.Byte();
}

// Hostile bytes written into the records, and the size cut or grown.
Bytes Damaged(fuzz::Choices& in, std::size_t recordSize, Bytes out) {
  for (int edits = in.Below(24); edits > 0 && !out.empty(); --edits) {
    const std::size_t record =
        static_cast<std::size_t>(in.Byte() | in.Byte() << 8) % (out.size() / recordSize);
    out[record * recordSize + static_cast<std::size_t>(in.Byte()) % recordSize] = HostileByte(in);
  }
  switch (in.Below(4)) {
    case 0:
      out.resize(out.size() -
                 std::min<std::size_t>(out.size(), 1 + in.Below(static_cast<int>(recordSize))));
      break;
    case 1:
      out.insert(out.end(),
                 static_cast<std::size_t>(1 + in.Below(static_cast<int>(recordSize) - 1)),
                 HostileByte(in));
      break;
    default: break;
  }
  return out;
}

// The most records CountOf gives.
constexpr int kMostRecords = 300;

// `count` ordinary records made by `typical`, then hostile bytes written into them
// and the size cut or grown.
template <typename Typical>
Bytes HostileFile(fuzz::Choices& in, std::size_t recordSize, Typical typical) {
  const int count = CountOf(in);
  Bytes out;
  out.reserve(static_cast<std::size_t>(count + 1) * recordSize);
  for (int i = 0; i < count; ++i) typical(out, i);
  return Damaged(in, recordSize, std::move(out));
}

// The same for records that depend on nothing but their position: the first `count`
// of a file made once. Made byte by byte for each input, the grids' 500-byte records
// cost more than the import that reads them.
template <typename Typical>
Bytes HostileFileOfFixedRecords(fuzz::Choices& in, std::size_t recordSize, Typical typical) {
  static const Bytes most = [&] {
    Bytes made;
    for (int i = 0; i < kMostRecords; ++i) typical(made, i);
    return made;
  }();
  const std::size_t count = static_cast<std::size_t>(CountOf(in));
  Bytes out;
  out.reserve((count + 1) * recordSize);
  out.assign(most.begin(), most.begin() + static_cast<std::ptrdiff_t>(count * recordSize));
  return Damaged(in, recordSize, std::move(out));
}

// Numbers 1, 2, ... as the predecessor gave them, every other one wrapped round.
uint8_t No(int i) { return static_cast<uint8_t>(i % 255 + 1); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::Choices in(data, size);
  const int classes = 1 + in.Below(30);
  const int lessons = 1 + in.Below(30);
  VelFiles files;
  std::optional<Bytes>* slots[] = {&files.lessons,      &files.classes,        &files.teachers,
                                   &files.classLessons, &files.teacherLessons, &files.classGrids,
                                   &files.teacherGrids};
  const uint8_t missing = in.Byte();  // a set bit: that file is not there
  const auto make = [&](std::size_t k) -> Bytes {
    switch (k) {
      case 0:
        return HostileFileOfFixedRecords(in, 44, [](Bytes& o, int i) {
          vel::VelLesson(o, No(i), "DERS " + std::to_string(i), "D", 1 + i % 6, i % 2, 1 + i % 3);
        });
      case 1:
        return HostileFileOfFixedRecords(in, 10, [](Bytes& o, int i) {
          vel::VelClass(o, No(i), std::to_string(9 + i % 4),
                        std::string(1, static_cast<char>('A' + i % 20)));
        });
      case 2:
        return HostileFileOfFixedRecords(in, 86, [](Bytes& o, int i) {
          vel::VelTeacher(o, No(i), "ÖĞRETMEN " + std::to_string(i), "BRANŞ", "", "");
        });
      case 3:
        return HostileFile(in, 8, [&](Bytes& o, int i) {
          vel::VelClassLesson(o, 1 + i % classes, 1 + i / classes % lessons, i % 2, 1 + i % 3);
        });
      case 4:
        return HostileFile(in, 3, [&](Bytes& o, int i) {
          vel::VelTeacherLesson(o, 1 + i % 40, 1 + i % classes, 1 + i / classes % lessons);
        });
      case 5:
        return HostileFileOfFixedRecords(in, 496, [](Bytes& o, int i) {
          const uint8_t first[5] = {1, 1, 2, 1, 3}, last[5] = {6, 7, 8, 6, 16};
          vel::VelClassGrid(o, No(i), first, last);
        });
      default:
        return HostileFileOfFixedRecords(in, 524, [](Bytes& o, int i) {
          vel::VelTeacherGrid(
              o, No(i), [](int cell) { return static_cast<uint8_t>(cell % 7 != 0); },
              [](int) { return uint8_t{0}; });
        });
    }
  };
  for (std::size_t k = 0; k < std::size(slots); ++k)
    if ((missing >> k & 1) == 0) *slots[k] = make(k);

  VelConversion converted = ConvertVel(files);
  const School& school = *converted.school;
  if (const auto problems = CheckConsistency(school); !problems.empty())
    fuzz::Fail("import", problems.front());
  // A pattern that does not add up to the weekly hours comes over as the predecessor
  // kept it, for the check to name; any other damage the import made itself.
  for (const Damage& d : FindDamage(school, TailBytes{}))
    if (DamageLine(d).find(": pattern ") == std::string::npos)
      fuzz::Fail("import left damage", DamageLine(d));
  if (school.Lessons.size() > 255 || school.Classes.size() > 255 || school.Teachers.size() > 255)
    fuzz::Fail("import", "more than 255 records of one kind");
  testing::MemoryFileSystem disk;  // the input's own: see the whole-folder target
  // The files go to the disk as made, with no copy kept (the grids' are over a hundred
  // kilobytes each), and are compared where they lie.
  const auto fileOf = [](std::size_t i) {
    return fuzz::kWorkFolder / std::string(kDataFiles[i].name);
  };
  for (std::size_t i = 0; i < kDataFileCount; ++i)
    disk.Put(fileOf(i), DataFileImage(school, kDataFiles[i].file));
  auto loaded = fuzz::LoadFolder(disk, fuzz::kWorkFolder);
  for (std::size_t i = 0; i < kDataFileCount; ++i)
    if (loaded == nullptr ||
        DataFileImage(*loaded, kDataFiles[i].file) != disk.files().at(fileOf(i).string()))
      fuzz::Fail("import", "the imported school does not load back as it was saved");
  return 0;
}
