// The predecessor program's files of any bytes, converted as the import converts them:
// parts 1..7 of the input are LESSON.PRG, CLASS.PRG, TEACHER.PRG, CLLE.PRG, TELE.PRG,
// CPS.PRG and TPS.PRG (fewer parts: the later files are missing). Whatever it reads,
// the import builds timetables that agree with what it imported, and the school goes
// through the damage check (one input in four through every read-only use and a short
// run).

#include <cstddef>
#include <cstdint>

#include "engine/consistency.h"
#include "fuzz_support.h"
#include "shell/predecessor_conversion.h"

using namespace kalvodrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::vector<Bytes> parts = fuzz::SplitParts(data, size);
  VelFiles files;
  std::optional<Bytes>* slots[] = {&files.lessons,      &files.classes,        &files.teachers,
                                   &files.classLessons, &files.teacherLessons, &files.classGrids,
                                   &files.teacherGrids};
  for (std::size_t i = 0; i < parts.size() && i < std::size(slots); ++i)
    *slots[i] = std::move(parts[i]);
  VelConversion converted = ConvertVel(files);
  if (const auto problems = CheckConsistency(*converted.school); !problems.empty())
    fuzz::Fail("import", problems.front());
  if (fuzz::InputHash(data, size) % fuzz::kExerciseEvery == 0)
    fuzz::ExerciseLoadedSchool(*converted.school, TailBytes{}, false, 300);
  else
    fuzz::CheckLoadedSchool(*converted.school, TailBytes{});
  return 0;
}
