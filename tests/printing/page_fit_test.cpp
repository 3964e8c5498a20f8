// Every printout stays on its paper: on A4 and A3, upright and turned, no drawn
// element lies outside the page, and a teacher's two copies never overlap.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/record_creation.h"
#include "print_fixture.h"
#include "printing/page_fit.h"
#include "printing/printouts.h"

namespace kalvodrin {
namespace {

using testing::kOptions;

// Paper at 200 device units an inch, as the PDF output draws it.
struct Paper {
  const char* name;
  int width;
  int height;
  bool landscape;
};
constexpr Paper kPapers[] = {{"A4 dikey", 1654, 2339, false},
                             {"A4 yatay", 2339, 1654, true},
                             {"A3 dikey", 2339, 3308, false},
                             {"A3 yatay", 3308, 2339, true}};

// A monospaced font at 200 units an inch: a character is 0.6 of the size, a line 1.15.
RecordingCanvas OnPaper(const Paper& paper) {
  RecordingCanvas canvas(paper.width, paper.height, paper.landscape);
  canvas.charWidth = [](const Font& f) { return f.size * 200 * 6 / (72 * 10); };
  canvas.lineHeight = [](const Font& f) { return f.size * 200 * 115 / (72 * 100); };
  return canvas;
}

struct Box {
  int left, top, right, bottom;
};

Box BoxOf(const RecordingCanvas& canvas, const CanvasOp& op) {
  if (op.kind == CanvasOp::Kind::kText)
    return {op.x, op.y, op.x + Utf8Length(op.text) * canvas.charWidth(op.font),
            op.y + canvas.lineHeight(op.font)};
  return {std::min(op.x, op.x2), std::min(op.y, op.y2), std::max(op.x, op.x2),
          std::max(op.y, op.y2)};
}

bool Drawn(const CanvasOp& op) {
  return op.kind == CanvasOp::Kind::kText || op.kind == CanvasOp::Kind::kLine ||
         op.kind == CanvasOp::Kind::kRectangle;
}

// Every element on the page; where a page holds the title twice (two copies), every
// element of the first copy above every element of the second. Returns the problems.
std::string Problems(const RecordingCanvas& canvas, std::string_view title) {
  std::string problems;
  int titles = 0, page = 0, job = 0, firstBottom = 0, secondTop = canvas.PageHeight();
  for (const CanvasOp& op : canvas.ops()) {
    if (!Drawn(op)) continue;
    if (op.page != page || op.job != job) {
      page = op.page;
      job = op.job;
      titles = 0;
      firstBottom = 0;
      secondTop = canvas.PageHeight();
    }
    if (op.text == title) ++titles;
    const Box b = BoxOf(canvas, op);
    if (b.left < 0 || b.top < 0 || b.right > canvas.PageWidth() || b.bottom > canvas.PageHeight())
      problems += "\"" + op.text + "\" " + std::to_string(b.right) + "," +
                  std::to_string(b.bottom) + " sayfa dışında; ";
    if (titles <= 1)
      firstBottom = std::max(firstBottom, b.bottom);
    else
      secondTop = std::min(secondTop, b.top);
  }
  if (firstBottom > secondTop) problems += "iki kopya üst üste; ";
  return problems;
}

// Ten hours a day, classes with sections, long names, a teacher with many duties: as
// wide and as long as a school's printouts come.
School WideSchool() {
  SchoolBuilder b;
  b.Room("FİZİK LAB");
  for (const char* section : {"A", "B", "C", "FEN", "TM"}) {
    b.Class("10", section).Hours(1, 10);
    b.Lesson("TÜRK DİLİ VE EDEBİYATI", 5, "2+2+1").InRoom("FİZİK LAB");
    b.Lesson("MATEMATİK", 6, "2+2+2");
  }
  b.Teacher("MUSTAFA KEMAL ÖZTÜRKOĞLU");
  for (const char* section : {"A", "B", "C", "FEN", "TM"})
    b.Teach("MUSTAFA KEMAL ÖZTÜRKOĞLU", std::string("10 ") + section, "TÜRK DİLİ VE EDEBİYATI");
  b.Teacher("AYŞE YILMAZ");
  for (const char* section : {"A", "B", "C", "FEN", "TM"})
    b.Teach("AYŞE YILMAZ", std::string("10 ") + section, "MATEMATİK");
  b.Place("10 A", "MATEMATİK", 2, 1, 9);
  School s = b.Build();
  int number = 0;
  for (const char* place : {"ARKA BAHÇE", "İKİNCİ KAT KORİDORU", "KANTİN ÖNÜ"})
    AddDutyPlace(s, ++number, UserTextToCp1254(place));
  for (int day = 1; day <= 5; ++day) {
    const int place = (day - 1) % 3 + 1;
    s.Duties.push_back({static_cast<uint8_t>(place), static_cast<uint8_t>(day), 1});
    ++s.DutyPlaces[static_cast<std::size_t>(place - 1)].perDay[static_cast<std::size_t>(day - 1)];
  }
  s.ReindexAll();
  CountAllHours(s);
  return s;
}

TEST(PageFit, EveryPrintoutStaysOnA4AndA3InBothOrientations) {
  const School wide = WideSchool();
  for (const Paper& paper : kPapers)
    for (std::string_view name : PrintoutNames())
      for (int variant = 0; variant < 4; ++variant) {
        School s = wide;
        const Printout what = *PrintoutByName(name);
        // Both forms of every setting that changes the layout.
        s.Settings.twoPerPage.set(variant % 2 == 0 ? 1 : 0);
        s.Settings.printLessonList.set(variant % 2 == 0 ? 0 : 1);
        s.Settings.sheetPrintRooms.set(variant / 2);
        s.Settings.sheetNoHalfDaySplit.set(variant / 2);
        s.Settings.autoPageSize.set(variant == 3 ? 0 : 1);
        RecordingCanvas canvas = OnPaper(paper);
        DrawPrintout(canvas, s, what, FirstEntity(s, what), Selection::kFromHere, kOptions);
        EXPECT_EQ(Problems(canvas, PrintoutTitle(what)), "")
            << paper.name << " " << name << " " << variant;
      }
}

// "Two copies on a page": an upright A4 takes them one above the other; a turned A4
// does not, so each goes on a page of its own and the preview says so; A3 takes them
// either way.
TEST(PageFit, TwoCopiesShareAPageOnlyWhereTheyFit) {
  const School s = WideSchool();
  const int teacher = s.Teachers[0].number;
  for (const Paper& paper : kPapers) {
    RecordingCanvas canvas = OnPaper(paper);
    const PrintLayout layout =
        DrawPrintout(canvas, s, Printout::kTeacher, teacher, Selection::kOne, kOptions);
    const bool apart = std::string(paper.name) == "A4 yatay";
    EXPECT_EQ(layout.copiesApart, apart) << paper.name;
    EXPECT_EQ(canvas.Pages(), apart ? 2 : 1) << paper.name;
    EXPECT_EQ(canvas.FindAll("HAFTALIK ÖĞRETMEN DERS PROGRAMI").size(), 2u) << paper.name;
    EXPECT_EQ(PrintLayoutNote(layout).empty(), !apart && layout.scale == 1.0) << paper.name;
  }
}

// A drawing that fits is drawn as it is; one that reaches past the page is shrunk by
// the factor that brings its far edge onto it, fonts rounded down.
TEST(PageFit, ADrawingPastThePageIsShrunkOntoIt) {
  const auto draw = [](Canvas& c) {
    c.BeginDoc();
    c.SetFont({"Courier New", 10});
    c.Text(100, 50, "ABCDE");  // 5 characters of 20: reaches 200
    c.Line(0, 0, 1500, 600);
    c.EndDoc();
  };
  RecordingCanvas wide(1500, 600);
  EXPECT_EQ(DrawFitted(wide, draw), 1.0);
  EXPECT_EQ(wide.Lines()[0].x2, 1500);
  EXPECT_EQ(wide.Texts()[0].font.size, 10);

  RecordingCanvas narrow(1000, 600);
  const double factor = DrawFitted(narrow, draw);
  EXPECT_NEAR(factor, 1000.0 / 1500.0, 1e-9);
  EXPECT_LE(narrow.Lines()[0].x2, 1000);
  EXPECT_GE(narrow.Lines()[0].x2, 999);
  EXPECT_EQ(narrow.Texts()[0].x, 66);
  EXPECT_EQ(narrow.Texts()[0].font.size, 6);  // 10 x 2/3, rounded down
  EXPECT_EQ(PrintLayoutNote({factor, false}), "Kağıda sığması için %66 boyutunda basılır.");
  RecordingCanvas tall(1500, 300);
  EXPECT_NEAR(DrawFitted(tall, draw), 0.5, 1e-9);
}

}  // namespace
}  // namespace kalvodrin
