#pragma once
// The words of the curriculum windows: their notices and confirmations, UTF-8.

#include <string>
#include <string_view>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The notice of a refused class-lesson, common-lesson or copy command; empty for
// kDone and kUnchanged.
std::string CurriculumNotice(const Change& change);

// class name + " " + section + " Sınıfından " + lesson name + " Dersi silinecek !"
std::string RemoveClassLessonConfirm(const School& school, int classNo, int lesson);

// class name + " " + section + " sınıfı " + lesson name + " dersi " + group +
// " nolu ortak ders grubundan silinecek ?"
std::string RemoveMemberConfirm(const School& school, int classNo, int lesson, int group);

inline constexpr std::string_view kNoRoomNotice =
    " Programda hiçbir Derslik tanımlanmamış. Derslik tanımlamak için SINIFLAR bölümünden "
    "DERSLİKLER bölümüne giriniz.";

}  // namespace kalvodrin
