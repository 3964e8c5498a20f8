#pragma once
// What an Anadolu high school teaches: the lesson pool with weekly hours and block
// patterns, the teachers' branches, the special rooms, and the lessons each grade and
// track takes in a week. Texts here are UTF-8; the writer converts them to cp1254.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kalvodrin::samples {

enum class Branch : uint8_t {
  kLiterature, kMathematics, kPhysics, kChemistry, kBiology, kHistory, kGeography,
  kReligion, kPhilosophy, kEnglish, kGerman, kSports, kArt, kMusic, kComputing,
  kCount
};
inline constexpr int kBranchCount = static_cast<int>(Branch::kCount);

// Rooms that lessons are tied to; ordinary lessons are taught in the class's own room,
// which the timetable does not track.
enum class RoomKind : uint8_t {
  kNone, kPhysicsLab, kChemistryLab, kBiologyLab, kComputerLab, kGym, kSportsField,
  kMusicRoom, kArtRoom, kCount
};
inline constexpr int kRoomKindCount = static_cast<int>(RoomKind::kCount);

// The lesson pool, in the order the lessons are numbered (lesson number = id + 1).
enum class LessonId : uint8_t {
  kLiterature, kReligion, kHistory, kGeography, kMathematics, kPhysics, kChemistry,
  kBiology, kPhilosophy, kEnglish, kGerman, kSports, kArt, kMusic, kHealth, kGuidance,
  kComputerScience, kBasicReligion, kProphetLife, kAstronomy, kElectiveMathematics,
  kElectivePhysics, kElectiveChemistry, kElectiveBiology, kElectiveHistory,
  kElectiveGeography, kPsychology, kSociology, kLogic, kRevolutionHistory,
  kModernHistory, kCount
};
inline constexpr int kLessonCount = static_cast<int>(LessonId::kCount);

// The weekly programme of a class in grades 11 and 12 follows its track.
enum class Track : uint8_t { kGeneral, kScience, kEqualWeight };

struct LessonDef {
  std::string_view name;       // "DERSİN ADI", at most 30 characters
  std::string_view shortName;  // "KISA ADI", at most 4 characters
  int weeklyHours;
  std::string_view pattern;    // "YERLEŞTİRME BİÇİMİ" as typed, e.g. "2+2+1"
  Branch branch;
  int group = 0;               // lesson group number, 0 = none
};

// Lesson groups ("DERS GRUBU"), group n at index n - 1: lessons a school may want on
// different days of a class's week.
inline constexpr std::array<std::string_view, 2> kLessonGroupNames = {"YABANCI DİLLER",
                                                                      "FEN BİLİMLERİ"};

const LessonDef& LessonOf(LessonId id);
inline int LessonNumber(LessonId id) { return static_cast<int>(id) + 1; }

// "BRANŞI" of a teacher of the branch, at most 12 characters.
std::string_view BranchName(Branch branch);

// Base name of a special room (at most 12 characters) and a shorter stem used when a
// school has several rooms of the kind ("BİY.LAB 2").
std::string_view RoomName(RoomKind kind);
std::string_view RoomStem(RoomKind kind);

// The special room a lesson needs in a class of this grade.
RoomKind RoomKindOf(LessonId lesson, int grade);

// The lessons a class takes, in the order a teacher would give them to the class.
// `art` chooses between the visual arts and the music lesson where the grade has one.
std::vector<LessonId> CurriculumOf(int grade, Track track, bool art);

// Daily hour windows: morning classes use hours 1..9, afternoon classes 8..16.
inline constexpr int kMorningFirstHour = 1;
inline constexpr int kMorningLastHour = 9;
inline constexpr int kAfternoonFirstHour = 8;
inline constexpr int kAfternoonLastHour = 16;
// The length of a day in a school of two six-hour shifts.
inline constexpr int kSixHourDay = 6;

// The guidance lesson's fixed hour: Thursday, 7th hour in the morning shift and
// 14th hour in the afternoon shift.
inline constexpr int kGuidanceDay = 4;
inline constexpr int kGuidanceHourMorning = 7;
inline constexpr int kGuidanceHourAfternoon = 14;

}  // namespace kalvodrin::samples
