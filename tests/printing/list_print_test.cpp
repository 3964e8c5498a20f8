// Layout of the teacher list and of the duty chart, page breaks included.

#include <gtest/gtest.h>

#include <algorithm>

#include "print_fixture.h"
#include "printing/list_print.h"

namespace kalvodrin {
namespace {

using testing::kOptions;

School Teachers(int count) {
  SchoolBuilder b;
  for (int k = 1; k <= count; ++k) b.Teacher("ÖĞRETMEN " + std::to_string(k));
  return b.Build();
}

// The y of each teacher's row, in order, with the page it is on.
std::vector<std::pair<int, int>> RowPositions(const RecordingCanvas& canvas) {
  std::vector<std::pair<int, int>> rows;
  for (const CanvasOp& op : canvas.Texts())
    if (op.text.rfind("ÖĞRETMEN ", 0) == 0 && op.text != "ÖĞRETMEN LİSTESİ")
      rows.emplace_back(op.page, op.y);
  return rows;
}

TEST(TeacherList, TitleHeadingsAndColumns) {
  School s = Teachers(2);
  s.Teachers[0].club.assign("SATRAN\xC7");  // SATRANÇ
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintTeacherList(canvas, s, kOptions);
  const CanvasOp* title = canvas.Find("ÖĞRETMEN LİSTESİ");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, (2000 - 30 - 16 * 20) / 2);  // 10 points: CharW 20
  EXPECT_EQ(title->y, 30);
  EXPECT_TRUE(title->font.bold);
  const int rowH = 30 + 3;
  const CanvasOp* no = canvas.Find("No");
  ASSERT_NE(no, nullptr);
  EXPECT_EQ(no->y, 30 + (3 * rowH) / 2);
  EXPECT_TRUE(no->font.underline);
  EXPECT_EQ(no->font.size, 9);
  EXPECT_EQ(canvas.Find("Adı Soyadı")->x, 30 + 4 * 18);
  EXPECT_EQ(canvas.Find("Nöbet Yeri")->x, 30 + 79 * 18);
  const CanvasOp* club = canvas.Find("SATRANÇ");
  ASSERT_NE(club, nullptr);
  EXPECT_EQ(club->x, 30 + 49 * 18);
  EXPECT_EQ(club->y, no->y + 2 * rowH);
  EXPECT_FALSE(club->font.underline);
}

TEST(TeacherList, BreaksThePageAfterTheRowsPerPage) {
  // Page 400 high: rowH 33, rows per page 400 div 33 - 3 = 9; the heading takes two
  // rows of the first page, so 7 teachers stand there and 9 on each further page.
  School s = Teachers(20);
  RecordingCanvas canvas = testing::Page(2000, 400);
  PrintTeacherList(canvas, s, kOptions);
  const auto rows = RowPositions(canvas);
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[6].first, 1);
  EXPECT_EQ(rows[7].first, 2);
  EXPECT_EQ(rows[7].second, 5 + 33);  // the first row of a continuation page
  EXPECT_EQ(rows[8].second, 5 + 2 * 33);
  EXPECT_EQ(rows[15].first, 2);
  EXPECT_EQ(rows[16].first, 3);
  EXPECT_EQ(rows[16].second, 5 + 33);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kNewPage), 2);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kBeginDoc), 1);

  // Exactly filling the first page needs no second one.
  RecordingCanvas full = testing::Page(2000, 400);
  PrintTeacherList(full, Teachers(7), kOptions);
  EXPECT_EQ(full.Count(CanvasOp::Kind::kNewPage), 0);
  RecordingCanvas over = testing::Page(2000, 400);
  PrintTeacherList(over, Teachers(8), kOptions);
  EXPECT_EQ(over.Count(CanvasOp::Kind::kNewPage), 1);
}

// Duty places BAHÇE (two teachers on Monday, one on Tuesday) and KANTİN (no duty).
struct Duties {
  SchoolBuilder b;
  School s;
  Duties() {
    b.Teacher("ALİ").Teacher("VELİ").Teacher("AYŞE");
    s = b.Build();
    AddPlace(1, "BAHÇE");
    AddPlace(2, "KANTİN");
    Duty(1, 1, "ALİ");
    Duty(1, 2, "AYŞE");
    Duty(1, 1, "VELİ");
  }
  void AddPlace(int n, std::string_view name) {
    TDutyPlaceRec p{};
    p.order = static_cast<uint8_t>(n);
    p.number = static_cast<uint8_t>(n);
    p.name.assign(UserTextToCp1254(name));
    s.DutyPlaces.push_back(p);
    s.ReindexDutyPlaces();
  }
  void Duty(int place, int day, std::string_view teacher) {
    s.Duties.push_back({static_cast<uint8_t>(place), static_cast<uint8_t>(day),
                        static_cast<uint8_t>(b.TeacherNo(teacher))});
    s.DutyPlaceByNo(place)->perDay[static_cast<std::size_t>(day - 1)]++;
  }
};

// The teacher list's duty columns: each teacher's days and places in duty order; a
// duty at a place that no longer exists, or on no day 1..7, is left out.
TEST(TeacherList, DutyDaysAndPlacesOfEachTeacher) {
  Duties d;
  const auto ali = static_cast<uint8_t>(d.b.TeacherNo("ALİ"));
  d.Duty(2, 7, "ALİ");
  d.s.Duties.push_back({9, 3, ali});
  d.s.Duties.push_back({1, 0, ali});
  d.s.Duties.push_back({1, 8, ali});
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintTeacherList(canvas, d.s, kOptions);
  const auto rowOf = [&](const char* text) {
    const CanvasOp* op = canvas.Find(text);
    EXPECT_NE(op, nullptr) << text;
    return op != nullptr ? std::pair{op->x, op->y} : std::pair{0, 0};
  };
  const int days = 30 + 64 * 18, places = 30 + 79 * 18;
  const int aliRow = rowOf("ALİ").second;
  EXPECT_EQ(rowOf("PZT. PAZ."), std::pair(days, aliRow));
  EXPECT_EQ(rowOf("BAHÇE, KANTİN"), std::pair(places, aliRow));
  EXPECT_EQ(rowOf("SAL."), std::pair(days, rowOf("AYŞE").second));
  EXPECT_EQ(canvas.FindAll("BAHÇE").size(), 2u);  // VELİ's and AYŞE's
}

TEST(DutyChart, BlocksPerPlaceWithTheTeachersOfEachDay) {
  Duties d;
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintDutyChart(canvas, d.s, kOptions);
  ASSERT_NE(canvas.Find("ÖĞRETMEN NÖBET ÇİZELGESİ"), nullptr);
  EXPECT_NE(canvas.Find("BAHÇE"), nullptr);
  EXPECT_EQ(canvas.Find("KANTİN"), nullptr);
  EXPECT_NE(canvas.Find("CUMA"), nullptr);
  EXPECT_EQ(canvas.Find("CUMARTESİ"), nullptr);

  // Title line 30 + 27, one more line, then the heading of two lines at 10 points
  // (CharW 20 fits 9 times in a column of 1940 div 6 = 323).
  const int colW = 1940 / 6, lineH = 30;
  const int headTop = 30 + 27 + 27;
  const CanvasOp* places = canvas.Find("NÖBET YERLERİ");
  EXPECT_EQ(places->y, headTop + lineH / 2);
  EXPECT_EQ(places->x, 30 + (colW - 13 * 20) / 2);
  const int top = headTop + 2 * lineH;
  const CanvasOp* ali = canvas.Find("ALİ");
  const CanvasOp* veli = canvas.Find("VELİ");
  const CanvasOp* ayse = canvas.Find("AYŞE");
  ASSERT_TRUE(ali && veli && ayse);
  EXPECT_EQ(ali->x, 30 + colW + 10);
  EXPECT_EQ(ali->y, top + lineH / 4);
  EXPECT_EQ(veli->y, top + lineH / 4 + (lineH / 3) * 2);  // second on Monday
  EXPECT_EQ(ayse->x, 30 + 2 * colW + 10);
  EXPECT_EQ(ayse->y, top + lineH / 4);
  EXPECT_TRUE(canvas.Find("BAHÇE")->font.bold);
  // The block of two duties is 2 lineH - lineH div 4 high.
  const int bh = 2 * lineH - lineH / 4;
  const auto lines = canvas.Lines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& l) {
    return l.y == top + bh && l.y2 == top + bh && l.x == 30 && l.x2 == 30 + 1940;
  }));
}

TEST(DutyChart, SevenDaysUnlessWeekdaysOnlyAndHeadingAgainOnANewPage) {
  Duties d;
  d.s.Settings.weekdaysOnly = 0;
  d.Duty(1, 7, "ALİ");
  RecordingCanvas week = testing::Page(2000, 1400);
  PrintDutyChart(week, d.s, kOptions);
  EXPECT_NE(week.Find("PAZAR"), nullptr);
  EXPECT_NE(week.Find("CUMARTESİ"), nullptr);
  // A Sunday duty does not show when only weekdays are kept.
  d.s.Settings.weekdaysOnly = 1;
  RecordingCanvas weekdays = testing::Page(2000, 1400);
  PrintDutyChart(weekdays, d.s, kOptions);
  EXPECT_EQ(weekdays.FindAll("ALİ").size(), 1u);

  // Many places on a short page: each block that would pass the page's end starts a
  // new page, whose heading comes first.
  for (int n = 3; n <= 12; ++n) {
    d.AddPlace(n, "YER " + std::to_string(n));
    d.Duty(n, 1, "VELİ");
  }
  RecordingCanvas short_ = testing::Page(2000, 300);
  PrintDutyChart(short_, d.s, kOptions);
  EXPECT_GT(short_.Count(CanvasOp::Kind::kNewPage), 1);
  const auto headings = short_.FindAll("NÖBET YERLERİ");
  EXPECT_EQ(static_cast<int>(headings.size()), short_.Pages());
  for (const CanvasOp& h : headings) {
    if (h.page > 1) {
      EXPECT_EQ(h.y, 30 + 30 / 2);
    }
  }
  for (const CanvasOp& op : short_.Texts()) EXPECT_LE(op.y + 30, 300) << op.text;
}

TEST(DutyChart, APlaceGetsABlockAsHighAsItsBusiestChartDayByRecordsOrStoredCounts) {
  // KANTİN has one duty, on Sunday: a row of the whole week only.
  Duties d;
  d.s.Settings.weekdaysOnly = 0;
  d.Duty(2, 7, "VELİ");
  RecordingCanvas week = testing::Page(2000, 1400);
  PrintDutyChart(week, d.s, kOptions);
  EXPECT_NE(week.Find("KANTİN"), nullptr);
  d.s.Settings.weekdaysOnly = 1;
  RecordingCanvas weekdays = testing::Page(2000, 1400);
  PrintDutyChart(weekdays, d.s, kOptions);
  EXPECT_EQ(weekdays.Find("KANTİN"), nullptr);

  // A stale stored count of three on Wednesday makes KANTİN three lines high with no
  // duty found; BAHÇE, whose counts were lost, keeps the height of its two duties.
  Duties stale;
  stale.s.DutyPlaceByNo(2)->perDay[2] = 3;
  stale.s.DutyPlaceByNo(1)->perDay = {};
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintDutyChart(canvas, stale.s, kOptions);
  ASSERT_NE(canvas.Find("KANTİN"), nullptr);
  const int lineH = 30, top = 30 + 27 + 27 + 2 * lineH;
  const int bahce = 2 * lineH - lineH / 4, kantin = 3 * lineH - 2 * (lineH / 4);
  EXPECT_EQ(canvas.Find("KANTİN")->y, top + bahce + lineH / 4);
  const auto lines = canvas.Lines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& l) {
    return l.y == top + bahce + kantin && l.y2 == l.y && l.x == 30;
  }));
}

}  // namespace
}  // namespace kalvodrin
