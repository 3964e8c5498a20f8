#include "curriculum.h"


namespace kalvodrin::samples {
namespace {

using L = LessonId;
using B = Branch;

constexpr std::array<LessonDef, kLessonCount> kLessons = {{
    {"TÜRK DİLİ VE EDEBİYATI", "TDE", 5, "2+2+1", B::kLiterature},
    {"DİN KÜLTÜRÜ VE AHLAK BİLGİSİ", "DKAB", 2, "1+1", B::kReligion},
    {"TARİH", "TAR", 2, "2", B::kHistory},
    {"COĞRAFYA", "COĞ", 2, "2", B::kGeography},
    {"MATEMATİK", "MAT", 6, "2+2+2", B::kMathematics},
    {"FİZİK", "FİZ", 2, "2", B::kPhysics, 2},
    {"KİMYA", "KİM", 2, "2", B::kChemistry, 2},
    {"BİYOLOJİ", "BİY", 2, "2", B::kBiology, 2},
    {"FELSEFE", "FEL", 2, "2", B::kPhilosophy},
    {"İNGİLİZCE", "İNG", 4, "2+2", B::kEnglish, 1},
    {"ALMANCA", "ALM", 2, "1+1", B::kGerman, 1},
    {"BEDEN EĞİTİMİ VE SPOR", "BES", 2, "2", B::kSports},
    {"GÖRSEL SANATLAR", "GÖR", 2, "2", B::kArt},
    {"MÜZİK", "MÜZ", 2, "2", B::kMusic},
    {"SAĞLIK BİLGİSİ VE TRAFİK KÜLT", "SAĞ", 1, "1", B::kBiology},
    // Given to each class's own class teacher, whatever the branch.
    {"REHBERLİK VE YÖNLENDİRME", "REH", 1, "1", B::kLiterature},
    {"BİLGİSAYAR BİLİMİ", "BİLG", 2, "2", B::kComputing},
    {"TEMEL DİNİ BİLGİLER", "TDB", 2, "2", B::kReligion},
    {"PEYGAMBERİMİZİN HAYATI", "PEYG", 2, "2", B::kReligion},
    {"ASTRONOMİ VE UZAY BİLİMLERİ", "AST", 2, "2", B::kPhysics},
    {"SEÇMELİ MATEMATİK", "SMAT", 6, "2+2+2", B::kMathematics},
    {"SEÇMELİ FİZİK", "SFİZ", 4, "2+2", B::kPhysics},
    {"SEÇMELİ KİMYA", "SKİM", 4, "2+2", B::kChemistry},
    {"SEÇMELİ BİYOLOJİ", "SBİY", 4, "2+2", B::kBiology},
    {"SEÇMELİ TARİH", "STAR", 4, "2+2", B::kHistory},
    {"SEÇMELİ COĞRAFYA", "SCOĞ", 4, "2+2", B::kGeography},
    {"PSİKOLOJİ", "PSİ", 2, "2", B::kPhilosophy},
    {"SOSYOLOJİ", "SOS", 2, "2", B::kPhilosophy},
    {"MANTIK", "MAN", 2, "2", B::kPhilosophy},
    {"İNKILAP TARİHİ VE ATATÜRKÇÜLÜK", "İNK", 2, "1+1", B::kHistory},
    {"ÇAĞDAŞ TÜRK VE DÜNYA TARİHİ", "ÇTDT", 2, "2", B::kHistory},
}};

constexpr std::array<std::string_view, kBranchCount> kBranchNames = {
    "EDEBİYAT", "MATEMATİK", "FİZİK",   "KİMYA",   "BİYOLOJİ",
    "TARİH",    "COĞRAFYA",  "DİN KÜLTÜRÜ", "FELSEFE", "İNGİLİZCE",
    "ALMANCA",  "BEDEN EĞİTİM", "GÖRSEL SAN.", "MÜZİK", "BİLİŞİM"};

struct RoomNames {
  std::string_view name;
  std::string_view stem;
};
constexpr std::array<RoomNames, kRoomKindCount> kRoomNames = {{
    {"", ""},
    {"FİZİK LAB.", "FİZ.LAB"},
    {"KİMYA LAB.", "KİM.LAB"},
    {"BİYOLOJİ LAB", "BİY.LAB"},
    {"BİLİŞİM LAB.", "BT LAB"},
    {"SPOR SALONU", "SPOR S."},
    {"SPOR SAHASI", "SAHA"},
    {"MÜZİK SINIFI", "MÜZİK S."},
    {"RESİM ODASI", "RESİM O."},
}};

// Lessons every class of a grade takes, before its track's and its own choices.
std::vector<LessonId> CommonCore(int grade) {
  switch (grade) {
    case 9:
      return {L::kLiterature, L::kMathematics, L::kEnglish, L::kReligion, L::kHistory,
              L::kGeography, L::kPhysics, L::kChemistry, L::kBiology, L::kGerman,
              L::kSports, L::kHealth, L::kComputerScience, L::kBasicReligion,
              L::kGuidance};
    case 10:
      return {L::kLiterature, L::kMathematics, L::kEnglish, L::kReligion, L::kHistory,
              L::kGeography, L::kPhysics, L::kChemistry, L::kBiology, L::kPhilosophy,
              L::kGerman, L::kSports, L::kProphetLife, L::kAstronomy, L::kGuidance};
    case 11:
      return {L::kLiterature, L::kElectiveMathematics, L::kEnglish, L::kReligion,
              L::kHistory, L::kPhilosophy, L::kGerman, L::kSports, L::kGuidance};
    default:
      return {L::kLiterature, L::kElectiveMathematics, L::kEnglish, L::kReligion,
              L::kRevolutionHistory, L::kGerman, L::kSports, L::kLogic,
              L::kModernHistory, L::kGuidance};
  }
}

// Grades 11 and 12 choose a track: science ("SAYISAL") or equal weight ("EŞİT AĞIRLIK").
std::vector<LessonId> TrackLessons(Track track) {
  if (track == Track::kScience)
    return {L::kElectivePhysics, L::kElectiveChemistry, L::kElectiveBiology};
  if (track == Track::kEqualWeight)
    return {L::kElectiveGeography, L::kElectiveHistory, L::kPsychology, L::kSociology};
  return {};
}

}  // namespace

const LessonDef& LessonOf(LessonId id) { return kLessons[static_cast<std::size_t>(id)]; }

std::string_view BranchName(Branch branch) {
  return kBranchNames[static_cast<std::size_t>(branch)];
}

std::string_view RoomName(RoomKind kind) {
  return kRoomNames[static_cast<std::size_t>(kind)].name;
}
std::string_view RoomStem(RoomKind kind) {
  return kRoomNames[static_cast<std::size_t>(kind)].stem;
}

RoomKind RoomKindOf(LessonId lesson, int grade) {
  switch (lesson) {
    case L::kPhysics: return RoomKind::kPhysicsLab;
    case L::kChemistry: return RoomKind::kChemistryLab;
    case L::kBiology: return RoomKind::kBiologyLab;
    case L::kComputerScience: return RoomKind::kComputerLab;
    case L::kSports: return grade <= 10 ? RoomKind::kGym : RoomKind::kSportsField;
    case L::kMusic: return RoomKind::kMusicRoom;
    case L::kArt: return RoomKind::kArtRoom;
    default: return RoomKind::kNone;
  }
}

std::vector<LessonId> CurriculumOf(int grade, Track track, bool art) {
  std::vector<LessonId> lessons = CommonCore(grade);
  if (grade <= 11) lessons.push_back(art ? L::kArt : L::kMusic);
  for (LessonId l : TrackLessons(track)) lessons.push_back(l);
  return lessons;
}

}  // namespace kalvodrin::samples
