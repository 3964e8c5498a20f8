#pragma once
// The data files of a working folder and sets of them, so that every change can say
// which files it made stale and the caller rewrites exactly those.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace kalvodrin {

enum class DataFile : uint8_t {
  kLessonGroups,   // KUME.LOF
  kLessons,        // DERSLER.LOF
  kClasses,        // SINIFLAR.LOF
  kRooms,          // DERSHANE.LOF
  kTeachers,       // OGRETMEN.LOF
  kAnnexFlags,     // DUDIZIR1.LOF
  kClassLessons,   // DUDIZIR2.LOF
  kCommonGroups,   // DUDIZIR3.LOF
  kDutyPlaces,     // DUDIZIR4.LOF
  kDuties,         // DUDIZIR5.LOF
  kTeacherLessons, // DUDIZIR6.LOF
  kTeacherGrids,   // DUDIZIRZ.LOF
  kClassGrids,     // DUDIZIRX.LOF
  kRoomGrids,      // DUDIZIRY.LOF
  kSettings,       // DUDIZIRQ.LOF
};
inline constexpr std::size_t kDataFileCount = 15;

struct DataFileInfo {
  DataFile file;
  std::string_view name;
  std::size_t recordSize;
};

// In the order the program loads them at start-up.
extern const std::array<DataFileInfo, kDataFileCount> kDataFiles;

const DataFileInfo& InfoOf(DataFile file);

class FileSet {
 public:
  FileSet() = default;
  FileSet(std::initializer_list<DataFile> files) {
    for (DataFile f : files) add(f);
  }
  static FileSet All();

  void add(DataFile f) { bits_ |= Bit(f); }
  void add(const FileSet& other) { bits_ |= other.bits_; }
  bool has(DataFile f) const { return (bits_ & Bit(f)) != 0; }
  bool empty() const { return bits_ == 0; }
  bool operator==(const FileSet&) const = default;

 private:
  static uint32_t Bit(DataFile f) { return 1u << static_cast<unsigned>(f); }
  uint32_t bits_ = 0;
};

}  // namespace kalvodrin
