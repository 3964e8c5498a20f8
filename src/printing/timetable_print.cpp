#include "printing/timetable_print.h"

#include <string>

#include "printing/page_fit.h"
#include "printing/print_facts.h"
#include "printing/timetable_grid.h"

namespace kalvodrin {
namespace {

bool PrintRooms(const School& school) { return school.Settings.sheetPrintRooms.get() != 0; }

// The deputy's and the principal's names, and under them their titles, with the
// principal at `principalX`.
void SignatureLines(ReportPrinter& p, int principalX) {
  const TSettingsRec& s = p.settings();
  p.PrintY += 4 * p.LineH();
  p.OutCp(p.PrintX + p.CharW(), p.PrintY, s.deputyName.view());
  p.OutCp(principalX, p.PrintY, s.principalName.view());
  p.PrintY += p.LineH();
  p.Out(p.PrintX + p.CharW(), p.PrintY,
        s.chiefDeputy != 0 ? "Müdür Baş Yardımcısı" : "Müdür Yardımcısı");
  p.Out(principalX, p.PrintY, "Müdür");
}

// Font at the start of every timetable page: the settings' font at 9 points.
void StartPage(ReportPrinter& p) { p.SetFont(p.settings().fontName.view(), 9); }

void SetTimetableFont(ReportPrinter& p) {
  p.SetFont(p.settings().fontName.view(), p.settings().fontSize.get());
}

void Total(ReportPrinter& p, std::string_view utf8Label, int hours) {
  SetTimetableFont(p);
  p.PrintY += p.LineH();
  p.Out(p.PrintX + p.CharW(), p.PrintY, std::string(utf8Label) + std::to_string(hours));
}

// ---- teacher ----

void TeacherHeader(ReportPrinter& p, const TTeacherRec& t) {
  SetTimetableFont(p);
  const int cw = p.CharW();
  const int gap = (p.LineH() / 2) * 3;
  p.PrintY += gap;
  const int x = p.PrintX;
  p.Out(x + cw, p.PrintY, "Adı Soyadı ");
  p.OutCp(x + 22 * cw, p.PrintY, ": " + t.name.str().substr(0, 25));
  p.Out(x + 50 * cw, p.PrintY, "Eğitsel Kolu ");
  p.OutCp(x + 63 * cw, p.PrintY, ": " + t.club.str());
  p.Out(x + cw, p.PrintY + gap, "Sınıf Öğretmenliği ");
  p.OutCp(x + 22 * cw, p.PrintY + gap, ": " + t.classTeacherOf.str());
  p.Out(x + 50 * cw, p.PrintY + gap, "Nöbet Günü");
  p.Out(x + 63 * cw, p.PrintY + gap, ": " + DutyText(p.school(), t.number));
  p.PrintY += 2 * gap;
}

CellLines TeacherCell(const School& school, const TTeacherGridRec& grid, int cell) {
  const int classNo = grid.occupant[static_cast<std::size_t>(cell - 1)];
  if (classNo == 0) return {};
  const TClassLessonRec* cl = ClassLessonAtCell(school, classNo, cell);
  CellLines lines{ShortClass(school, classNo).substr(0, 8),
                  LessonShortName(school, ClassLessonNoAt(school, classNo, cell)), ""};
  if (PrintRooms(school)) lines[2] = FirstRoomName(school, cl).substr(0, 8);
  return lines;
}

int WideOrNarrowColumn(const ReportPrinter& p, bool wide) {
  const int cw = p.CharW();
  return wide ? 8 * cw + cw / 2 : 5 * cw;
}

void TeacherLessonList(ReportPrinter& p, int teacher) {
  const School& school = p.school();
  const int cw = p.CharW();
  const int x1 = p.PrintX + 10 * cw;
  const int x2 = x1 + 15 * cw;
  const int x3 = x2 + 32 * cw;
  p.PrintY += 3 * p.LineH();
  p.SetBold(true);
  p.Out(x1, p.PrintY, "SINIF");
  p.Out(x2 + 3 * cw, p.PrintY, "DERSİN ADI");
  p.Out(x3, p.PrintY, "H.D.S.");
  p.SetBold(false);
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != teacher) continue;
    p.PrintY += p.LineH();
    p.OutCp(x1, p.PrintY, ShortClass(school, tl.classNo));
    p.OutCp(x2, p.PrintY, FitText(LessonName(school, tl.lesson), 30));
    p.Out(x3 + 3 * cw, p.PrintY, std::to_string(LessonWeeklyHours(school, tl.lesson)));
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl != nullptr && cl->commonGroup != 0) p.Out(x3 + 8 * cw, p.PrintY, "Birleşik Sınıf");
  }
}

void TeacherPage(ReportPrinter& p, const TTeacherRec& t, const TTeacherGridRec& grid,
                 bool withLessonList) {
  const School& school = p.school();
  const TSettingsRec& s = p.settings();
  StartPage(p);
  p.PrintY = s.topMargin.get() + p.PageOffset;
  p.PrintTitle("HAFTALIK ÖĞRETMEN DERS PROGRAMI", s.fontName.view(), p.TimetablePage().width);
  TeacherHeader(p, t);

  SetTimetableFont(p);
  const GridShape shape{NHours(school), TimetableRowHeight(p),
                        WideOrNarrowColumn(p, AnyClassHasSection(school) || PrintRooms(school))};
  DrawTimetableGrid(p, shape, [&](int cell) { return TeacherCell(school, grid, cell); });
  Total(p, "MAAŞ KARŞILIĞI :      ÜCRET KARŞILIĞI :       TOPLAM DERS SAYISI : ", grid.weeklyHours);
  if (withLessonList) TeacherLessonList(p, t.number);

  const int cw = p.CharW();
  SignatureLines(p, p.PrintX + 60 * cw);
  p.PrintY += 3 * p.LineH();
  p.Out(p.PrintX + 35 * cw, p.PrintY, "Aslını Teslim Aldım.");
  p.PrintY += p.LineH();
  p.OutCp(p.PrintX + 35 * cw, p.PrintY, t.name.view());
}

// ---- class ----

void ClassHeader(ReportPrinter& p, int classNo) {
  const School& school = p.school();
  SetTimetableFont(p);
  const int cw = p.CharW();
  const int gap = (p.LineH() / 2) * 3;
  p.PrintY += gap;
  const int x = p.PrintX;
  p.Out(x + cw, p.PrintY, "Sınıfın Adı ");
  p.OutCp(x + 15 * cw, p.PrintY, ": " + ShortClass(school, classNo));
  p.Out(x + 50 * cw, p.PrintY, "Sınıf Öğretmeni ");
  const int guidance = school.Settings.guidanceLesson;
  const TClassLessonRec* cl = guidance != 0 ? school.ClassLessonAt(classNo, guidance) : nullptr;
  if (cl != nullptr && cl->teacherCount > 0)
    p.OutCp(x + 65 * cw, p.PrintY, ": " + FitText(TeacherName(school, cl->teachers[0]), 30));
  p.PrintY += 2 * gap;
}

CellLines ClassCell(const School& school, int classNo, int cell) {
  const int lesson = ClassLessonNoAt(school, classNo, cell);
  if (lesson == 0) return {};
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  CellLines lines{LessonShortName(school, lesson), FirstTeacherOrder(school, cl), ""};
  if (PrintRooms(school)) lines[2] = FirstRoomName(school, cl).substr(0, 8);
  return lines;
}

// The names of a class lesson's teachers, joined.
std::string TeacherNames(const School& school, const TClassLessonRec& cl) {
  std::string names;
  for (int k = 0; k < std::min<int>(cl.teacherCount, kMaxListed); ++k) {
    if (!names.empty()) names += ", ";
    names += TeacherName(school, cl.teachers[static_cast<std::size_t>(k)]);
  }
  return names;
}

void ClassLessonRows(ReportPrinter& p, int classNo) {
  const School& school = p.school();
  const int cw = p.CharW();
  const int x1 = p.PrintX + 10 * cw;
  const int x2 = x1 + 32 * cw;
  const int x3 = x2 + 8 * cw;
  p.PrintY += 3 * p.LineH();
  p.SetBold(true);
  p.Out(x1, p.PrintY, "DERSİN ADI");
  p.Out(x2, p.PrintY, "H.D.S");
  p.Out(x3, p.PrintY, "ÖĞRETMENİN ADI");
  p.SetBold(false);
  for (const TClassLessonRec& cl : school.ClassLessons) {
    if (cl.classNo != classNo) continue;
    p.PrintY += p.LineH();
    p.OutCp(x1, p.PrintY, FitText(LessonName(school, cl.lesson), 30));
    p.Out(x2 + cw, p.PrintY, std::to_string(LessonWeeklyHours(school, cl.lesson)));
    p.OutCp(x3, p.PrintY, FitText(TeacherNames(school, cl), 30));
  }
}

// ---- classroom ----

bool ListsRoom(const TClassLessonRec& cl, int room) {
  for (int k = 0; k < std::min<int>(cl.roomCount, kMaxListed); ++k)
    if (cl.rooms[static_cast<std::size_t>(k)] == room) return true;
  return false;
}

CellLines RoomCell(const School& school, const TRoomGridRec& grid, int cell) {
  const int classNo = grid.occupant[static_cast<std::size_t>(cell - 1)];
  if (classNo == 0) return {};
  return {ClassName(school, classNo).substr(0, 4),
          LessonShortName(school, ClassLessonNoAt(school, classNo, cell)), ""};
}

void RoomLessonList(ReportPrinter& p, int room) {
  const School& school = p.school();
  const int cw = p.CharW();
  const int x1 = p.PrintX + 10 * cw;
  const int x2 = x1 + 15 * cw;
  const int x3 = x2 + 30 * cw;
  const int x4 = x3 + 10 * cw;
  p.PrintY += 3 * p.LineH();
  p.SetBold(true);
  p.Out(x1, p.PrintY, "SINIF");
  p.Out(x2, p.PrintY, "DERSİN ADI");
  p.Out(x3, p.PrintY, "H.D.S.");
  p.Out(x4, p.PrintY, "ÖĞRETMENİN ADI");
  p.SetBold(false);
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl == nullptr || !ListsRoom(*cl, room)) continue;
    p.PrintY += p.LineH();
    p.OutCp(x1, p.PrintY, ShortClass(school, tl.classNo));
    p.OutCp(x2, p.PrintY, FitText(LessonName(school, tl.lesson), 28));
    p.Out(x3 + cw, p.PrintY, std::to_string(LessonWeeklyHours(school, tl.lesson)));
    p.OutCp(x4, p.PrintY, FitText(TeacherName(school, tl.teacher), 30));
  }
}

// The room grid's columns share the page; the font shrinks until four characters
// fit in one.
void ShrinkUntilFourCharsFit(ReportPrinter& p, int colW) {
  while (p.font().size > 1 && colW / std::max(1, p.CharW()) < 4) p.SetSize(p.font().size - 1);
}

// Page start, title and header line of the class and classroom timetables.
void StartClassOrRoomPage(ReportPrinter& p, std::string_view title) {
  const TSettingsRec& s = p.settings();
  StartPage(p);
  p.PrintY = s.topMargin.get() + 2 * p.LineH();
  p.PrintTitle(title, s.fontName.view(), p.TimetablePage().width);
}

void RoomHeader(ReportPrinter& p, const TRoomRec& room) {
  SetTimetableFont(p);
  const int cw = p.CharW();
  const int gap = (p.LineH() / 2) * 3;
  p.PrintY += gap;
  p.Out(p.PrintX + cw, p.PrintY, "Dersliğin Adı ");
  p.OutCp(p.PrintX + 15 * cw, p.PrintY, ": " + room.name.str());
  p.PrintY += 2 * gap;
}

int ClassTotal(const School& school, int classNo) {
  int total = 0;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.classNo == classNo) total += LessonWeeklyHours(school, cl.lesson);
  return total;
}

int RoomTotal(const School& school, int room) {
  int total = 0;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (ListsRoom(cl, room)) total += LessonWeeklyHours(school, cl.lesson);
  return total;
}

void ClassAndRoomSignature(ReportPrinter& p) {
  SignatureLines(p, p.PrintX + p.TableWidth - 24 * p.CharW());
}

}  // namespace

bool TwoCopiesFitOnePage(Canvas& canvas, const School& school, int teacher,
                         const PrintOptions& options) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  const TTeacherGridRec* grid = school.TeacherGridByNo(teacher);
  if (t == nullptr || grid == nullptr) return true;
  MeasuringCanvas measuring(canvas);
  ReportPrinter p(measuring, school, options);
  p.PrintX = school.Settings.leftMargin.get();
  TeacherPage(p, *t, *grid, false);
  // The second copy starts half a page down: the first must end above it, and then
  // the second ends above the page's foot.
  return measuring.extent().bottom <= p.TimetablePage().height / 2;
}

void PrintTeacherTimetable(Canvas& canvas, const School& school, int teacher,
                           const PrintOptions& options) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  const TTeacherGridRec* grid = school.TeacherGridByNo(teacher);
  if (t == nullptr || grid == nullptr) return;
  const TSettingsRec& s = school.Settings;
  const bool shareAPage =
      s.twoPerPage.get() != 0 && TwoCopiesFitOnePage(canvas, school, teacher, options);
  ReportPrinter p(canvas, school, options);
  p.PrintX = s.leftMargin.get();
  p.PageOffset = 0;
  canvas.BeginDoc();
  if (shareAPage) {
    TeacherPage(p, *t, *grid, false);
    p.PageOffset = p.TimetablePage().height / 2;
    TeacherPage(p, *t, *grid, false);
  } else if (s.twoPerPage.get() != 0) {
    // Two copies one above the other would overlap on this paper: one a page.
    TeacherPage(p, *t, *grid, false);
    canvas.NewPage();
    TeacherPage(p, *t, *grid, false);
  } else {
    TeacherPage(p, *t, *grid, s.printLessonList.get() != 0);
  }
  canvas.EndDoc();
}

void PrintClassTimetable(Canvas& canvas, const School& school, int classNo,
                         const PrintOptions& options) {
  if (school.ClassByNo(classNo) == nullptr) return;
  ReportPrinter p(canvas, school, options);
  p.PrintX = school.Settings.leftMargin.get();
  canvas.BeginDoc();
  StartClassOrRoomPage(p, "HAFTALIK SINIF DERS PROGRAMI");
  ClassHeader(p, classNo);
  SetTimetableFont(p);
  const GridShape shape{NHours(school), TimetableRowHeight(p),
                        WideOrNarrowColumn(p, PrintRooms(school))};
  DrawTimetableGrid(p, shape, [&](int cell) { return ClassCell(school, classNo, cell); });
  Total(p, "TOPLAM DERS SAYISI : ", ClassTotal(school, classNo));
  ClassLessonRows(p, classNo);
  ClassAndRoomSignature(p);
  canvas.EndDoc();
}

void PrintRoomTimetable(Canvas& canvas, const School& school, int room,
                        const PrintOptions& options) {
  const TRoomRec* r = school.RoomByNo(room);
  const TRoomGridRec* grid = school.RoomGridByNo(room);
  if (r == nullptr || grid == nullptr) return;
  ReportPrinter p(canvas, school, options);
  p.PrintX = school.Settings.leftMargin.get();
  canvas.BeginDoc();
  StartClassOrRoomPage(p, "HAFTALIK DERSLİK DERS PROGRAMI");
  RoomHeader(p, *r);
  SetTimetableFont(p);
  const int nHours = NHours(school);
  const int colW = (p.TimetablePage().width - 2 * p.PrintX) / (nHours + 1);
  ShrinkUntilFourCharsFit(p, colW);
  DrawTimetableGrid(p, {nHours, TimetableRowHeight(p), colW},
                    [&](int cell) { return RoomCell(school, *grid, cell); });
  Total(p, "TOPLAM DERS SAYISI : ", RoomTotal(school, room));
  RoomLessonList(p, room);
  ClassAndRoomSignature(p);
  canvas.EndDoc();
}

namespace {

// Prints `one` for the record numbered `from` and every record after it.
template <typename List, typename NumberOf, typename PrintOne>
void FromHereToEnd(const List& list, int from, NumberOf numberOf, PrintOne one) {
  bool started = false;
  for (const auto& rec : list) {
    started = started || numberOf(rec) == from;
    if (started) one(numberOf(rec));
  }
}

}  // namespace

void PrintTeacherTimetables(Canvas& canvas, const School& school, int teacher,
                            const PrintOptions& options) {
  FromHereToEnd(
      school.Teachers, teacher, [](const TTeacherRec& t) { return t.number; },
      [&](int n) { PrintTeacherTimetable(canvas, school, n, options); });
}

void PrintClassTimetables(Canvas& canvas, const School& school, int classNo,
                          const PrintOptions& options) {
  FromHereToEnd(
      school.Classes, classNo, [](const TClassRec& c) { return c.number; },
      [&](int n) { PrintClassTimetable(canvas, school, n, options); });
}

void PrintRoomTimetables(Canvas& canvas, const School& school, int room,
                         const PrintOptions& options) {
  FromHereToEnd(
      school.Rooms, room, [](const TRoomRec& r) { return r.number; },
      [&](int n) { PrintRoomTimetable(canvas, school, n, options); });
}

}  // namespace kalvodrin
