#include "grid_image.h"

#include <cstring>

namespace kalvodrin {
namespace {

template <typename Rec>
void Append(std::vector<uint8_t>& out, const std::vector<Rec>& list) {
  for (const Rec& r : list) {
    const std::size_t at = out.size();
    out.resize(at + sizeof(Rec));
    std::memcpy(out.data() + at, &r, sizeof(Rec));
  }
}

}  // namespace

std::vector<uint8_t> GridImage(const School& school) {
  std::vector<uint8_t> out;
  Append(out, school.TeacherGrids);
  Append(out, school.ClassGrids);
  Append(out, school.RoomGrids);
  return out;
}

}  // namespace kalvodrin
