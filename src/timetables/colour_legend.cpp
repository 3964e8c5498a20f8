#include "timetables/colour_legend.h"

namespace kalvodrin {

// Each list follows its painter's rules in their order; the yellow font and the green
// cursor are the same in all three windows.
std::vector<LegendEntry> TeacherLegend() {
  return {
      {CellColor::kBlack, CellColor::kLime, "boş: ders konabilir"},
      {CellColor::kWhite, CellColor::kBlack, "sınıfın o saatte dersi var"},
      {CellColor::kWhite, CellColor::kBlue, "sınıfın saati kapalı"},
      {CellColor::kWhite, CellColor::kPurple, "çok öğretmenli ders"},
      {CellColor::kWhite, CellColor::kTeal, "birleşik ders"},
      {CellColor::kWhite, CellColor::kRed, "öğretmenin saati kapalı"},
      {CellColor::kYellow, CellColor::kBlack, "seçili dersin saatleri"},
      {CellColor::kBlack, CellColor::kGreen, "imleç: buraya konabilir"},
      {CellColor::kWindowText, CellColor::kButtonFace, "sınıfın gün aralığı dışında"},
  };
}

std::vector<LegendEntry> ClassLegend() {
  return {
      {CellColor::kBlack, CellColor::kLime, "öğretmen boş"},
      {CellColor::kWhite, CellColor::kBlack, "öğretmenin o saatte dersi var"},
      {CellColor::kWhite, CellColor::kBlue, "öğretmenin saati kapalı"},
      {CellColor::kWhite, CellColor::kPurple, "çok öğretmenli ders"},
      {CellColor::kWhite, CellColor::kTeal, "birleşik ders"},
      {CellColor::kWhite, CellColor::kRed, "sınıfın saati kapalı"},
      {CellColor::kYellow, CellColor::kBlack, "seçili dersin saatleri"},
      {CellColor::kBlack, CellColor::kGreen, "imleç: buraya konabilir"},
      {CellColor::kWhite, CellColor::kButtonFace, "sınıfın gün aralığı dışında"},
  };
}

std::vector<LegendEntry> RoomLegend() {
  return {
      {CellColor::kBlack, CellColor::kLime, "sınıf ve öğretmen boş"},
      {CellColor::kWhite, CellColor::kBlack, "sınıfın ya da öğretmenin dersi var"},
      {CellColor::kWhite, CellColor::kBlue, "sınıfın ya da öğretmenin saati kapalı"},
      {CellColor::kWhite, CellColor::kRed, "dersliğin saati kapalı"},
      {CellColor::kYellow, CellColor::kBlack, "seçili dersin saatleri"},
      {CellColor::kBlack, CellColor::kGreen, "imleç: buraya konabilir"},
      {CellColor::kWhite, CellColor::kButtonFace, "son ders saatinden sonra"},
  };
}

}  // namespace kalvodrin
