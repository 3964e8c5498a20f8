#pragma once
// The words of the staffing windows: notices, questions and panel texts, UTF-8.

#include <string>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The notice of a refused give or take-away; empty for kDone, kUnchanged and
// kAskAnother (which is a question, not a notice).
std::string TeacherLessonNotice(const Change& change);

// The notice of a refused attach or detach of a classroom.
std::string ClassroomNotice(const Change& change);

// The teachers the class lesson already has, for the "İKİ VEYA DAHA FAZLA ÖĞRETMEN"
// question: a blank, the name and a comma for each, in list order.
std::string CurrentTeachersText(const School& school, int classNo, int lesson);

// teacher + " adındaki öğretmenden, " + class + " " + section + " sınıfının " +
// lesson + " Dersi silinecek !", each piece cut to the width of the message buffer.
std::string TakeAwayConfirm(const School& school, int teacher, int classNo, int lesson);

// class + " " + section + " sınıfı " + lesson + " dersinin okutulduğu derslikler",
// cut the same way.
std::string LessonRoomsTitle(const School& school, int classNo, int lesson);

}  // namespace kalvodrin
