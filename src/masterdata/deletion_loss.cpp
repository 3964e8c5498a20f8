#include "masterdata/deletion_loss.h"

#include <memory>

#include "masterdata/deletions.h"

namespace kalvodrin {
namespace {

struct Totals {
  int classLessons = 0;
  int assignments = 0;
  int placedHours = 0;
  int duties = 0;
  int roomLinks = 0;
};

Totals Count(const School& school, int room) {
  Totals t;
  t.classLessons = static_cast<int>(school.ClassLessons.size());
  t.assignments = static_cast<int>(school.TeacherLessons.size());
  t.duties = static_cast<int>(school.Duties.size());
  for (const TClassGridRec& g : school.ClassGrids)
    for (uint8_t lesson : g.occupant) t.placedHours += lesson != 0 ? 1 : 0;
  if (room != 0)
    for (const TClassLessonRec& cl : school.ClassLessons)
      for (int i = 0; i < cl.roomCount && i < kMaxListed; ++i)
        t.roomLinks += cl.rooms[static_cast<std::size_t>(i)] == room ? 1 : 0;
  return t;
}

Change Delete(School& school, EntityKind kind, int number) {
  switch (kind) {
    case EntityKind::kLessonGroup: return DeleteLessonGroupFromList(school, number);
    case EntityKind::kLesson: return DeleteLessonFromPool(school, number);
    case EntityKind::kClass: return DeleteClassFromList(school, number);
    case EntityKind::kRoom: return DeleteRoomFromList(school, number);
    case EntityKind::kTeacher: break;
  }
  return DeleteTeacherFromList(school, number);
}

void Add(std::string& text, int count, const char* unit) {
  if (count <= 0) return;
  text += "\n" + std::to_string(count) + " " + unit;
}

}  // namespace

DeletionLoss CountDeletionLoss(const School& school, EntityKind kind, int number) {
  const int room = kind == EntityKind::kRoom ? number : 0;
  const Totals before = Count(school, room);
  auto copy = std::make_unique<School>(school);
  if (Delete(*copy, kind, number).outcome != Outcome::kDone) return {};
  const Totals after = Count(*copy, 0);
  return {before.classLessons - after.classLessons, before.assignments - after.assignments,
          before.placedHours - after.placedHours, before.duties - after.duties, before.roomLinks};
}

std::string DeletionLossText(const DeletionLoss& loss) {
  std::string text;
  Add(text, loss.classLessons, "sınıf dersi");
  Add(text, loss.assignments, "öğretmene verilmiş ders");
  Add(text, loss.placedHours, "yerleşmiş sınıf ders saati");
  Add(text, loss.duties, "nöbet");
  Add(text, loss.roomLinks, "sınıf dersinin dersliği");
  if (text.empty()) return text;
  return "\nBirlikte silinecek:" + text;
}

}  // namespace kalvodrin
