#include "core/damage_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "core/pattern.h"
#include "core/text_cat.h"

namespace kalvodrin {
namespace {

using std::to_string;

// Collects the faults of one record at a time: the file, the position and a label
// that says which entity the record is. A record without faults costs no allocation:
// the label is rewritten in place and each fault's text is joined once.
class Checker {
 public:
  explicit Checker(const School& school) : school_(school) {}

  void Begin(DataFile file, std::size_t record, std::initializer_list<std::string_view> label) {
    file_ = file;
    record_ = record;
    label_.clear();
    for (std::string_view piece : label) label_ += piece;
  }
  void Report(std::initializer_list<std::string_view> fault) {
    std::string text;
    if (label_.empty()) {
      text = Cat(fault);
    } else {
      std::size_t size = label_.size() + 2;
      for (std::string_view p : fault) size += p.size();
      text.reserve(size);
      text += label_;
      text += ": ";
      for (std::string_view p : fault) text += p;
    }
    found_.push_back({file_, record_, std::move(text)});
  }

  template <std::size_t N>
  void Text(std::string_view field, const PStr<N>& text) {
    if (text.damaged())
      Report({field, " uzunluk baytı ", to_string(text.length), ", alan en çok ", to_string(N),
              " karakter"});
  }
  void Count(std::string_view field, int count) {
    if (count > kMaxListed)
      Report({field, " = ", to_string(count), ", en çok ", to_string(kMaxListed)});
  }
  // `known` tells whether a non-zero number names a record; zero is reported only
  // when the field must not be empty.
  template <typename Known>
  void Ref(std::string_view field, int number, std::string_view kind, Known known,
           bool zeroAllowed) {
    if (number == 0 && zeroAllowed) return;
    if (number != 0 && known(number)) return;
    Report({field, ": ", to_string(number), " numaralı ", kind, " yok"});
  }
  void Pattern(const PatternBytes& pattern, int weeklyHours) {
    int sum = 0;
    bool increasing = false;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
      sum += pattern[k];
      if (k > 0 && pattern[k] > pattern[k - 1]) increasing = true;
    }
    if (sum != weeklyHours) {
      const std::string text = PatternText(pattern);
      Report({"pattern ", text.empty() ? "boş" : text, " toplamı ", to_string(sum),
              ", haftalık ders saati ", to_string(weeklyHours)});
    }
    if (increasing) Report({"pattern bloklarının uzunluğu artıyor"});
  }

  const School& school() const { return school_; }
  std::vector<Damage> Take() { return std::move(found_); }

 private:
  const School& school_;
  DataFile file_ = DataFile::kLessonGroups;
  std::size_t record_ = 0;
  std::string label_;
  std::vector<Damage> found_;
};

// Remembers the first record of each number, so the second one can name it.
class Numbers {
 public:
  void See(Checker& c, std::string_view field, uint8_t number) {
    if (number == 0) {
      c.Report({field, " 0: numara 1..255 olmalı"});
      return;
    }
    std::size_t& first = first_[number];
    if (first == 0)
      first = position_;
    else
      c.Report({field, " ", to_string(number), " kayıt ", to_string(first), " ile aynı"});
  }
  void Next() { ++position_; }

 private:
  std::array<std::size_t, 256> first_{};  // position of the first record, 0 for none
  std::size_t position_ = 1;
};

// For each record, the position of the first earlier record with the same key, 0 for
// none: sorted keys instead of a map, which took an allocation for every record.
std::vector<std::size_t> EarlierSame(std::vector<uint32_t> keys) {
  std::vector<std::size_t> order(keys.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
    return std::pair{keys[a], a} < std::pair{keys[b], b};
  });
  std::vector<std::size_t> earlier(keys.size(), 0);
  for (std::size_t k = 1; k < order.size(); ++k)
    if (keys[order[k]] == keys[order[k - 1]])
      earlier[order[k]] = earlier[order[k - 1]] != 0 ? earlier[order[k - 1]] : order[k - 1] + 1;
  return earlier;
}

auto LessonKnown(const School& s) { return [&s](int n) { return s.LessonByNo(n) != nullptr; }; }
auto ClassKnown(const School& s) { return [&s](int n) { return s.ClassByNo(n) != nullptr; }; }
auto RoomKnown(const School& s) { return [&s](int n) { return s.RoomByNo(n) != nullptr; }; }
auto TeacherKnown(const School& s) {
  return [&s](int n) { return s.TeacherByNo(n) != nullptr; };
}

// Walks a numbered collection: each record is begun under its label and its number
// checked for 0 and for an earlier record of the same number before `check` looks at
// its own fields.
template <typename List, typename Check>
void EachNumbered(Checker& c, DataFile file, const List& list, std::string_view kind,
                  Check check) {
  Numbers numbers;
  for (std::size_t i = 0; i < list.size(); ++i, numbers.Next()) {
    const auto& r = list[i];
    c.Begin(file, i + 1, {kind, " ", to_string(r.number)});
    numbers.See(c, "number", r.number);
    check(r);
  }
}

void CheckMasterData(Checker& c) {
  const School& s = c.school();
  EachNumbered(c, DataFile::kLessonGroups, s.LessonGroups, "grup",
               [&c](const TLessonGroupRec& r) { c.Text("name", r.name); });
  EachNumbered(c, DataFile::kLessons, s.Lessons, "ders", [&c, &s](const TLessonRec& r) {
    c.Text("name", r.name);
    c.Text("shortName", r.shortName);
    c.Ref("group", r.group, "ders grubu",
          [&s](int n) { return s.LessonGroupByNo(n) != nullptr; }, true);
    c.Pattern(r.pattern, r.weeklyHours);
  });
  EachNumbered(c, DataFile::kClasses, s.Classes, "sınıf", [&c](const TClassRec& r) {
    c.Text("name", r.name);
    c.Text("section", r.section);
  });
  EachNumbered(c, DataFile::kRooms, s.Rooms, "derslik",
               [&c](const TRoomRec& r) { c.Text("name", r.name); });
  EachNumbered(c, DataFile::kTeachers, s.Teachers, "öğretmen", [&c](const TTeacherRec& r) {
    c.Text("name", r.name);
    c.Text("branch", r.branch);
    c.Text("classTeacherOf", r.classTeacherOf);
    c.Text("club", r.club);
  });
}

void CheckClassLessons(Checker& c) {
  const School& s = c.school();
  std::vector<uint32_t> keys;
  keys.reserve(s.ClassLessons.size());
  for (const TClassLessonRec& r : s.ClassLessons) keys.push_back(r.classNo << 8u | r.lesson);
  const std::vector<std::size_t> earlier = EarlierSame(std::move(keys));
  for (std::size_t i = 0; i < s.ClassLessons.size(); ++i) {
    const TClassLessonRec& r = s.ClassLessons[i];
    c.Begin(DataFile::kClassLessons, i + 1,
            {"sınıf ", to_string(r.classNo), ", ders ", to_string(r.lesson)});
    if (earlier[i] != 0)
      c.Report({"aynı sınıf ve ders kayıt ", to_string(earlier[i]), "'de de var"});
    c.Ref("classNo", r.classNo, "sınıf", ClassKnown(s), false);
    c.Ref("lesson", r.lesson, "ders", LessonKnown(s), false);
    c.Count("teacherCount", r.teacherCount);
    c.Count("roomCount", r.roomCount);
    // A count beyond the list says nothing about its entries; the count is the fault.
    for (int k = 0; r.teacherCount <= kMaxListed && k < r.teacherCount; ++k)
      c.Ref(Cat({"teachers[", to_string(k), "]"}), r.teachers[static_cast<std::size_t>(k)],
            "öğretmen", TeacherKnown(s), false);
    for (int k = 0; r.roomCount <= kMaxListed && k < r.roomCount; ++k)
      c.Ref(Cat({"rooms[", to_string(k), "]"}), r.rooms[static_cast<std::size_t>(k)], "derslik",
            RoomKnown(s), false);
    c.Ref("commonGroup", r.commonGroup, "ortak ders grubu",
          [&s](int n) { return s.CommonGroupByNo(n) != nullptr; }, true);
    if (const TLessonRec* l = s.LessonByNo(r.lesson)) c.Pattern(r.pattern, l->weeklyHours);
  }
}

void CheckCommonGroups(Checker& c) {
  const School& s = c.school();
  EachNumbered(c, DataFile::kCommonGroups, s.CommonGroups, "ortak ders grubu",
               [&c, &s](const TCommonGroupRec& r) {
                 c.Count("count", r.count);
                 for (int k = 0; r.count <= kMaxListed && k < r.count; ++k) {
                   const auto at = static_cast<std::size_t>(k);
                   if (s.ClassLessonAt(r.classes[at], r.lessons[at]) == nullptr)
                     c.Report({"üye ", to_string(k + 1), ": sınıf ", to_string(r.classes[at]),
                               " bu dersi (", to_string(r.lessons[at]), ") almıyor"});
                 }
               });
}

void CheckDuties(Checker& c) {
  const School& s = c.school();
  EachNumbered(c, DataFile::kDutyPlaces, s.DutyPlaces, "nöbet yeri",
               [&c](const TDutyPlaceRec& r) { c.Text("name", r.name); });
  for (std::size_t i = 0; i < s.Duties.size(); ++i) {
    const TDutyRec& r = s.Duties[i];
    c.Begin(DataFile::kDuties, i + 1, {"nöbet ", to_string(i + 1)});
    c.Ref("place", r.place, "nöbet yeri",
          [&s](int n) { return s.DutyPlaceByNo(n) != nullptr; }, false);
    if (r.day < 1 || r.day > 7) c.Report({"day ", to_string(r.day), ": gün 1..7 olmalı"});
    c.Ref("teacher", r.teacher, "öğretmen", TeacherKnown(s), false);
  }
}

void CheckTeacherLessons(Checker& c) {
  const School& s = c.school();
  std::vector<uint32_t> keys;
  keys.reserve(s.TeacherLessons.size());
  for (const TTeacherLessonRec& r : s.TeacherLessons)
    keys.push_back(r.teacher << 16u | r.classNo << 8u | r.lesson);
  const std::vector<std::size_t> earlier = EarlierSame(std::move(keys));
  for (std::size_t i = 0; i < s.TeacherLessons.size(); ++i) {
    const TTeacherLessonRec& r = s.TeacherLessons[i];
    c.Begin(DataFile::kTeacherLessons, i + 1,
            {"öğretmen ", to_string(r.teacher), ", sınıf ", to_string(r.classNo), ", ders ",
             to_string(r.lesson)});
    // The same entry twice would count the lesson's hours twice for the teacher.
    if (earlier[i] != 0) c.Report({"aynı kayıt ", to_string(earlier[i]), "'de de var"});
    c.Ref("teacher", r.teacher, "öğretmen", TeacherKnown(s), false);
    if (s.ClassLessonAt(r.classNo, r.lesson) == nullptr)
      c.Report({"sınıf ", to_string(r.classNo), " bu dersi almıyor"});
  }
}

// Reports the cells of an occupant plane whose number names no record, once per
// grid: the count and the first such cell.
template <typename Known>
void CheckPlane(Checker& c, std::string_view field, const Plane& plane,
                std::string_view kind, Known known) {
  int bad = 0;
  int firstCell = 0;
  for (int cell = 1; cell <= kCells; ++cell) {
    const int n = plane[static_cast<std::size_t>(cell - 1)];
    if (n == 0 || known(n)) continue;
    if (bad++ == 0) firstCell = cell;
  }
  if (bad > 0)
    c.Report({field, ": ", to_string(bad), " hücrede olmayan ", kind, " (ilk: hücre ",
              to_string(firstCell), ", ", to_string(plane[static_cast<std::size_t>(firstCell - 1)]),
              ")"});
}

// Each grid's owner must exist, once, and the numbers in its occupant plane must name
// records of `occupantKind`.
template <typename List, typename OwnerKnown, typename OccupantKnown>
void CheckGrids(Checker& c, DataFile file, const List& grids, std::string_view kind,
                OwnerKnown ownerKnown, std::string_view occupantKind,
                OccupantKnown occupantKnown) {
  Numbers owners;
  for (std::size_t i = 0; i < grids.size(); ++i, owners.Next()) {
    const auto& g = grids[i];
    uint8_t owner = 0;
    if constexpr (requires { g.teacher; }) owner = g.teacher;
    else if constexpr (requires { g.room; }) owner = g.room;
    else owner = g.classNo;
    c.Begin(file, i + 1, {kind, " ", to_string(owner)});
    owners.See(c, "number", owner);
    if (owner != 0 && !ownerKnown(owner)) c.Report({"çizelgenin sahibi olan ", kind, " yok"});
    CheckPlane(c, "occupant", g.occupant, occupantKind, occupantKnown);
  }
}

void CheckTimetables(Checker& c) {
  const School& s = c.school();
  CheckGrids(c, DataFile::kTeacherGrids, s.TeacherGrids, "öğretmen", TeacherKnown(s),
             "sınıf", ClassKnown(s));
  CheckGrids(c, DataFile::kClassGrids, s.ClassGrids, "sınıf", ClassKnown(s), "ders",
             LessonKnown(s));
  CheckGrids(c, DataFile::kRoomGrids, s.RoomGrids, "derslik", RoomKnown(s), "sınıf",
             ClassKnown(s));
}

void CheckSettings(Checker& c) {
  const School& s = c.school();
  const TSettingsRec& r = s.Settings;
  c.Begin(DataFile::kSettings, 1, {"ayarlar"});
  c.Text("fontName", r.fontName);
  c.Text("sheetFontName", r.sheetFontName);
  for (std::size_t k = 0; k < r.startTimes.size(); ++k)
    c.Text(Cat({"startTimes[", to_string(k), "]"}), r.startTimes[k]);
  c.Text("schoolName", r.schoolName);
  c.Text("principalName", r.principalName);
  c.Text("deputyName", r.deputyName);
  c.Ref("guidanceLesson", r.guidanceLesson, "ders", LessonKnown(s), true);
}

void CheckTails(Checker& c, const TailBytes& tails) {
  for (std::size_t i = 0; i < kDataFiles.size(); ++i) {
    if (tails[i] == 0) continue;
    const DataFileInfo& info = kDataFiles[i];
    c.Begin(info.file, 0, {});
    if (info.file == DataFile::kAnnexFlags || info.file == DataFile::kSettings)
      c.Report({"dosya tam bir kayıt (", to_string(info.recordSize), " bayt) değil, ",
                to_string(tails[i]), " bayt uyuşmuyor"});
    else
      c.Report({"dosyanın sonunda yarım kayıt: ", to_string(tails[i]), " bayt (kayıt ",
                to_string(info.recordSize), " bayt)"});
  }
}

}  // namespace

std::vector<Damage> FindDamage(const School& school, const TailBytes& tails) {
  Checker c(school);
  CheckTails(c, tails);
  CheckMasterData(c);
  CheckClassLessons(c);
  CheckCommonGroups(c);
  CheckDuties(c);
  CheckTeacherLessons(c);
  CheckTimetables(c);
  CheckSettings(c);
  std::vector<Damage> found = c.Take();
  std::stable_sort(found.begin(), found.end(), [](const Damage& a, const Damage& b) {
    return std::pair{static_cast<int>(a.file), a.record} <
           std::pair{static_cast<int>(b.file), b.record};
  });
  return found;
}

std::string DamageLine(const Damage& damage) {
  if (damage.record == 0) return Cat({InfoOf(damage.file).name, ": ", damage.text});
  return Cat({InfoOf(damage.file).name, ", kayıt ", to_string(damage.record), ": ", damage.text});
}

}  // namespace kalvodrin
