#include "masterdata/classes.h"

#include "core/record_creation.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

constexpr std::size_t kClassNameChars = 4;
constexpr std::size_t kSectionChars = 3;
constexpr std::size_t kRoomNameChars = 12;

Change Moved(Outcome outcome, DataFile file, int number) {
  if (outcome != Outcome::kDone) return Refused(outcome);
  return {Outcome::kDone, {file}, number};
}

}  // namespace

Change SaveNewClass(School& school, std::string_view name, std::string_view section) {
  if (name.empty()) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.Classes);
  if (number == 0) return Refused(Outcome::kFull);
  AddClass(school, number, StoredText(name, kClassNameChars), StoredText(section, kSectionChars));
  NewClassGrid(school, number);
  school.ReindexClasses();
  school.ReindexClassGrids();
  Change change{Outcome::kDone, {DataFile::kClasses, DataFile::kClassGrids}, number};
  if (school.Annex.inAnnex(number)) {
    school.Annex.bytes[static_cast<std::size_t>(number - 1)] = 0;
    change.files.add(DataFile::kAnnexFlags);
  }
  return change;
}

Change SaveClassEdit(School& school, int number, std::string_view name,
                     std::string_view section) {
  TClassRec* c = school.ClassByNo(number);
  if (c == nullptr) return Refused(Outcome::kNotFound);
  if (name.empty()) return Refused(Outcome::kInvalid);
  c->name.assign(StoredText(name, kClassNameChars));
  c->section.assign(StoredText(section, kSectionChars));
  return {Outcome::kDone, {DataFile::kClasses}, number};
}

Change ToggleClassAnnex(School& school, int number) {
  if (school.ClassByNo(number) == nullptr) return Refused(Outcome::kNotFound);
  if (number > kAnnexClasses) return Refused(Outcome::kNoAnnexFlag);
  uint8_t& flag = school.Annex.bytes[static_cast<std::size_t>(number - 1)];
  flag = flag == 0 ? 1 : 0;
  return {Outcome::kDone, {DataFile::kAnnexFlags}, number};
}

Change MoveClass(School& school, int number, MoveDirection direction) {
  return Moved(MoveInList(school.Classes, number, direction), DataFile::kClasses, number);
}

Change SaveNewRoom(School& school, std::string_view name) {
  if (name.empty()) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.Rooms);
  if (number == 0) return Refused(Outcome::kFull);
  AddRoom(school, number, StoredText(name, kRoomNameChars));
  NewRoomGrid(school, number);
  school.ReindexRooms();
  school.ReindexRoomGrids();
  return {Outcome::kDone, {DataFile::kRooms, DataFile::kRoomGrids}, number};
}

Change SaveRoomEdit(School& school, int number, std::string_view name) {
  TRoomRec* r = school.RoomByNo(number);
  if (r == nullptr) return Refused(Outcome::kNotFound);
  if (name.empty()) return Refused(Outcome::kInvalid);
  r->name.assign(StoredText(name, kRoomNameChars));
  return {Outcome::kDone, {DataFile::kRooms}, number};
}

Change MoveRoom(School& school, int number, MoveDirection direction) {
  return Moved(MoveInList(school.Rooms, number, direction), DataFile::kRooms, number);
}

}  // namespace kalvodrin
