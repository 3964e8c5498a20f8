#pragma once
// What a timetable grid cell looks like: the text and the two colours the window
// draws, decided here so that every colour rule is tested without a display. The
// widget maps each colour to its own palette and draws nothing it did not get here.

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvodrin {

enum class CellColor : uint8_t {
  kBlack,
  kWhite,
  kLime,
  kBlue,
  kPurple,
  kTeal,
  kRed,
  kYellow,
  kGreen,
  kButtonFace,  // the system's button-face colour
  kWindowText,  // the system's window-text colour
  kInfoTip,     // the system's info-tip colour: the header of the cell a run is at
};

struct CellPaint {
  std::string text;  // UTF-8
  CellColor font = CellColor::kBlack;
  CellColor cell = CellColor::kButtonFace;
  bool bold = false;
  bool underline = false;
  bool focusRect = false;  // the focused cell gets a focus rectangle

  bool operator==(const CellPaint&) const = default;
};

// What the three windows read: the chosen row of their lesson list, the classroom
// of the classroom window, and the cell under the grid cursor (1..80, 0 = none).
struct TimetableSelection {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;
  int room = 0;
  int cell = 0;
};

// Header cells of every timetable grid: row 0 holds the hour numbers, column 0 the
// day names. During a run the header of the current cell's hour and of its day are
// highlighted (`runCell` 1..80; 0 = no run).
CellPaint PaintHeader(int row, int column, int runCell = 0);

// The teacher window pads the hour number with three blanks, the others do not.
CellPaint PaintTeacherHeader(int row, int column, int runCell = 0);

// The load overlay of the teacher window: "  " and the number, red on yellow.
CellPaint PaintOverlay(int load);

// "PZT.", "SALI", "ÇAR.", "PER.", "CUMA", "CMT.", "PAZ." for days 1..7; "" otherwise.
std::string DayShortName(int day);

// The first four characters of a cp1254 name, as UTF-8.
std::string ShortText(std::string_view cp1254);

}  // namespace kalvodrin
