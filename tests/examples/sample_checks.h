#pragma once
// Checks that hold for every school the generator builds: the records are what the
// program's windows would have made, and the school can be scheduled with room to
// spare. Each check adds a test failure naming what is wrong.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin::testing {

// Numbers, orders, grids, class lessons, teacher lessons, common groups and the
// guidance lesson agree with each other.
void ExpectConsistent(const School& school);

// Every class's hours fit its week and every teacher's and room's hours fit the cells
// they can use, each with room to spare.
void ExpectFeasible(const School& school);

struct Figures {
  int classes = 0;
  int afternoonClasses = 0;
  int teachers = 0;
  int lessons = 0;
  int classLessons = 0;
  int commonGroups = 0;
  int twoTeacherLessons = 0;
  int closedDayTeachers = 0;
  int totalHours = 0;              // over all class lessons
  std::vector<int> classHours;     // per class, in class order
  std::vector<int> teacherLoads;   // per teacher, a common lesson counted once
  std::vector<int> roomLoads;
};
Figures FiguresOf(const School& school);

// The bytes of every data file, in start-up order, as SaveFiles writes them.
std::vector<std::string> FileImages(const School& school);

// Compares two sets of file images file by file, naming the files that differ
// without printing their bytes.
void ExpectSameImages(const std::vector<std::string>& a, const std::vector<std::string>& b);

}  // namespace kalvodrin::testing
