#include "timetables/why_not_paint.h"

#include "core/cells.h"
#include "timetables/painter_support.h"

namespace kalvodrin {
namespace {

// Short texts of the rules, at most four characters as a grid cell holds.
const char* RuleText(Blocker kind) {
  switch (kind) {
    case Blocker::kDailyMaximum: return "MAX";
    case Blocker::kGapRule: return "BOŞ";
    case Blocker::kSameLessonRule: return "AYNI";
    case Blocker::kDaysApart: return "ARA";
    case Blocker::kDifferentHours: return "FRK";
    case Blocker::kTwoLessonsOfOneClass: return "2DRS";
    case Blocker::kLessonGroupRule: return "GRP";
    case Blocker::kAnnexRule: return "EK";
    case Blocker::kAlignedBlocks: return "TEK";
    case Blocker::kNotAtHour: return "BAŞ";
    case Blocker::kNotAfterHour: return "GEÇ";
    default: return "";
  }
}

std::string ShortNameOf(const School& school, Party party, int owner) {
  switch (party) {
    case Party::kTeacher:
      if (const TTeacherRec* t = school.TeacherByNo(owner)) return ShortText(t->name.view());
      break;
    case Party::kClass:
      if (const TClassRec* c = school.ClassByNo(owner)) return ShortText(c->name.view());
      break;
    case Party::kRoom:
      if (const TRoomRec* r = school.RoomByNo(owner)) return ShortText(r->name.view());
      break;
    case Party::kNone: break;
  }
  return {};
}

// The colours and text of the first reason, which is the one listed first for a cell.
void PaintReason(const School& school, const Reason& r, CellPaint& p) {
  switch (r.kind) {
    case Blocker::kTeacherBusy:
      // As the teacher window shows a busy hour: the class that is there.
      SetColors(p, CellColor::kWhite, CellColor::kBlack);
      p.text = ShortNameOf(school, Party::kClass, r.classNo);
      return;
    case Blocker::kClassBusy:
      SetColors(p, CellColor::kWhite, CellColor::kBlack);
      if (const TLessonRec* l = school.LessonByNo(r.lesson)) p.text = ShortText(l->name.view());
      return;
    case Blocker::kRoomBusy:
      SetColors(p, CellColor::kWhite, CellColor::kBlack);
      p.text = ShortNameOf(school, Party::kRoom, r.owner);
      return;
    case Blocker::kCellClosed:
      SetColors(p, CellColor::kWhite,
                r.party == Party::kTeacher ? CellColor::kRed : CellColor::kBlue);
      p.text = ShortNameOf(school, r.party, r.owner);
      return;
    case Blocker::kOutsideWindow:
      SetColors(p, CellColor::kWindowText, CellColor::kButtonFace);
      return;
    default:
      SetColors(p, CellColor::kRed, CellColor::kYellow);
      p.text = RuleText(r.kind);
      return;
  }
}

}  // namespace

const WhyNotCell* WhyNotCellAt(const WhyNotRow& row, int cell) {
  if (!IsCell(cell)) return nullptr;
  for (const WhyNotCell& c : row.cells)
    if (CellIndex(c.day, c.hour) == cell) return &c;
  return nullptr;
}

CellPaint PaintWhyNotCell(const School& school, const WhyNotRow& row, int cell, int cursor) {
  CellPaint p;
  SetColors(p, CellColor::kWindowText, CellColor::kButtonFace);
  p.focusRect = IsCell(cell) && cell == cursor;
  const WhyNotCell* answer = WhyNotCellAt(row, cell);
  if (answer == nullptr) return p;
  if (answer->reasons.empty()) {
    SetColors(p, CellColor::kBlack, cell == cursor ? CellColor::kGreen : CellColor::kLime);
    return p;
  }
  PaintReason(school, answer->reasons.front(), p);
  const bool onlyOne = answer->reasons.size() == 1;
  p.bold = onlyOne;
  p.underline = onlyOne;
  return p;
}

std::vector<WhyNotLegendEntry> WhyNotLegend() {
  const auto entry = [](CellColor font, CellColor cell, const char* sample, const char* text,
                        bool onlyOne = false) {
    CellPaint p;
    SetColors(p, font, cell);
    p.text = sample;
    p.bold = onlyOne;
    p.underline = onlyOne;
    return WhyNotLegendEntry{p, text};
  };
  return {
      entry(CellColor::kBlack, CellColor::kLime, "", "Yerleşebilir"),
      entry(CellColor::kWhite, CellColor::kBlack, "9",
            "Dolu: öğretmen (sınıfı), sınıf (dersi), derslik"),
      entry(CellColor::kWhite, CellColor::kRed, "", "Öğretmenin kapalı saati"),
      entry(CellColor::kWhite, CellColor::kBlue, "", "Sınıfın veya dersliğin kapalı saati"),
      entry(CellColor::kRed, CellColor::kYellow, "MAX",
            "Kural: günlük en çok ders, boş saat, aynı gün, günler arası, farklı saatler, "
            "iki ders, ders grubu, ek bina"),
      entry(CellColor::kWindowText, CellColor::kButtonFace, "", "Ders saatleri dışında"),
      entry(CellColor::kWhite, CellColor::kBlack, "9",
            "Altı çizili: tek engel, tek değişiklikle yerleşir", true),
  };
}

}  // namespace kalvodrin
