#include "timetables/colour_legend.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/storage.h"
#include "engine/counts.h"
#include "school_files.h"
#include "timetables/painters.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {
namespace {

using testing::NewSchool;

using Painter = CellPaint (*)(const School&, const TimetableSelection&, int);
using ColourPair = std::pair<CellColor, CellColor>;

// The colours a painter draws over every owner, every lesson row of it and every cell,
// each cell once focused: the header and the run's info-tip colour are not cells.
std::set<ColourPair> PaintedColours(const School& school, const std::vector<OwnerRow>& owners,
                                    std::vector<LessonRow> (*lessons)(const School&, int),
                                    Painter paint, bool room) {
  std::set<ColourPair> seen;
  for (const OwnerRow& owner : owners) {
    for (const LessonRow& row : lessons(school, owner.number)) {
      TimetableSelection sel{row.teacher, row.classNo, row.lesson, room ? owner.number : 0, 0};
      for (int cell = 1; cell <= 80; ++cell) {
        sel.cell = cell;
        const CellPaint p = paint(school, sel, cell);
        seen.insert({p.font, p.cell});
      }
    }
  }
  return seen;
}

// Every cell colour drawn has its line in the legend, and the yellow font of the
// selected lesson too; with `allDrawn`, the legend shows no colour the school never
// gets drawn.
void ExpectLegendCovers(const std::set<ColourPair>& painted, const std::vector<LegendEntry>& legend,
                        bool allDrawn = true) {
  std::set<CellColor> legendCells;
  bool legendYellow = false;
  for (const LegendEntry& e : legend) {
    EXPECT_FALSE(e.meaning.empty());
    if (e.font == CellColor::kYellow)
      legendYellow = true;
    else
      legendCells.insert(e.cell);
  }
  std::set<CellColor> paintedCells;
  bool paintedYellow = false;
  for (const auto& [font, cell] : painted) {
    paintedCells.insert(cell);
    if (font == CellColor::kYellow) paintedYellow = true;
    EXPECT_TRUE(legendCells.count(cell)) << "cell colour " << static_cast<int>(cell);
  }
  EXPECT_FALSE(paintedYellow && !legendYellow);
  if (!allDrawn) return;
  EXPECT_EQ(legendYellow, paintedYellow);
  for (CellColor c : legendCells) EXPECT_TRUE(paintedCells.count(c)) << static_cast<int>(c);
}

TEST(ColourLegendTest, EachWindowsLegendNamesEveryColourItsPainterDraws) {
  auto school = NewSchool(KALVODRIN_SAMPLE);
  ASSERT_TRUE(LoadSchoolWithoutWriting(*school));
  CountAllHours(*school);
  CountRoomHours(*school);  // as the class window does before it opens the classrooms
  ASSERT_FALSE(TimetableRooms(*school).empty());
  ExpectLegendCovers(PaintedColours(*school, TimetableTeachers(*school), TimetableTeacherLessons,
                                    PaintTeacherCell, false),
                     TeacherLegend(), false);
  ExpectLegendCovers(PaintedColours(*school, TimetableClasses(*school), TimetableClassLessons,
                                    PaintClassCell, false),
                     ClassLegend(), false);
  // Nothing is placed in the sample yet, so not every colour is drawn in it.
  ExpectLegendCovers(
      PaintedColours(*school, TimetableRooms(*school), TimetableRoomLessons, PaintRoomCell, true),
      RoomLegend(), false);
}

}  // namespace
}  // namespace kalvodrin
