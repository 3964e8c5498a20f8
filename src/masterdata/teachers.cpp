#include "masterdata/teachers.h"

#include "core/record_creation.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

void StoreFields(TTeacherRec& t, const TeacherFields& f) {
  t.name.assign(StoredText(f.name, decltype(t.name)::kCapacity));
  t.branch.assign(StoredText(f.branch, decltype(t.branch)::kCapacity));
  t.classTeacherOf.assign(StoredText(f.classTeacherOf, decltype(t.classTeacherOf)::kCapacity));
  t.club.assign(StoredText(f.club, decltype(t.club)::kCapacity));
}

}  // namespace

TeacherFields TeacherFieldsOf(const School& school, int number) {
  const TTeacherRec* t = school.TeacherByNo(number);
  if (t == nullptr) return {};
  return {t->name.str(), t->branch.str(), t->classTeacherOf.str(), t->club.str()};
}

Change SaveNewTeacher(School& school, const TeacherFields& fields) {
  if (fields.name.empty()) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.Teachers);
  if (number == 0) return Refused(Outcome::kFull);
  StoreFields(AddTeacher(school, number, "", "", "", ""), fields);
  NewTeacherGrid(school, number);
  school.ReindexTeachers();
  school.ReindexTeacherGrids();
  return {Outcome::kDone, {DataFile::kTeachers, DataFile::kTeacherGrids}, number};
}

Change SaveTeacherEdit(School& school, int number, const TeacherFields& fields) {
  TTeacherRec* t = school.TeacherByNo(number);
  if (t == nullptr) return Refused(Outcome::kNotFound);
  if (fields.name.empty()) return Refused(Outcome::kInvalid);
  StoreFields(*t, fields);
  return {Outcome::kDone, {DataFile::kTeachers}, number};
}

Change MoveTeacher(School& school, int number, MoveDirection direction) {
  const Outcome outcome = MoveInList(school.Teachers, number, direction);
  if (outcome != Outcome::kDone) return Refused(outcome);
  return {Outcome::kDone, {DataFile::kTeachers}, number};
}

}  // namespace kalvodrin
