#include "scheduler/settings_entry.h"

#include "core/field_text.h"
#include "core/settings_rules.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

constexpr std::array<uint8_t TSettingsRec::*, 9> kGeneralBytes = {
    &TSettingsRec::gapsAllowed,          &TSettingsRec::maxGapsPerWeek,
    &TSettingsRec::maxGapBetweenLessons, &TSettingsRec::sameClassDifferentDays,
    &TSettingsRec::dayBetweenDays,       &TSettingsRec::differentHours,
    &TSettingsRec::groupDifferentDays,   &TSettingsRec::maxHoursPerDay,
    &TSettingsRec::searchLevel};

constexpr std::array<uint8_t TSettingsRec::*, 8> kDetailBytes = {
    &TSettingsRec::mergeOnePlusOne, &TSettingsRec::splitBlock, &TSettingsRec::moreThanTwoPerDay,
    &TSettingsRec::gapLimitPerDay,  &TSettingsRec::autoRelax,  &TSettingsRec::evenDays,
    &TSettingsRec::alignedBlocks,   &TSettingsRec::reorganise};

constexpr std::array<uint8_t TeacherRules::*, 8> kTeacherBytes = {
    &TeacherRules::gapsAllowed,          &TeacherRules::maxGapsPerWeek,
    &TeacherRules::maxGapBetweenLessons, &TeacherRules::sameClassDifferentDays,
    &TeacherRules::dayBetweenDays,       &TeacherRules::differentHours,
    &TeacherRules::groupDifferentDays,   &TeacherRules::maxHoursPerDay};

template <typename Rec, std::size_t N>
std::array<std::string, N> TextsOf(const Rec& rec, const std::array<uint8_t Rec::*, N>& bytes,
                                   const std::array<ByteEntry, N>& kinds) {
  std::array<std::string, N> texts;
  for (std::size_t k = 0; k < N; ++k) texts[k] = EntryText(kinds[k], rec.*bytes[k]);
  return texts;
}

template <std::size_t N>
std::optional<int> FirstBad(const std::array<std::string, N>& texts,
                            const std::array<ByteEntry, N>& kinds) {
  for (std::size_t k = 0; k < N; ++k)
    if (!EntryValue(kinds[k], texts[k])) return static_cast<int>(k);
  return std::nullopt;
}

template <typename Rec, std::size_t N>
void Store(Rec& rec, const std::array<uint8_t Rec::*, N>& bytes,
           const std::array<ByteEntry, N>& kinds, const std::array<std::string, N>& texts) {
  for (std::size_t k = 0; k < N; ++k)
    if (const std::optional<uint8_t> v = EntryValue(kinds[k], texts[k])) rec.*bytes[k] = *v;
}

constexpr std::array<ByteEntry, 8> kDetailKinds = {
    ByteEntry::kYesNo, ByteEntry::kYesNo, ByteEntry::kYesNo, ByteEntry::kYesNo,
    ByteEntry::kYesNo, ByteEntry::kYesNo, ByteEntry::kYesNo, ByteEntry::kYesNo};

std::string StoredName(std::string_view typed) { return UserTextToCp1254(typed); }

}  // namespace

std::string EntryText(ByteEntry kind, uint8_t value) {
  return kind == ByteEntry::kYesNo ? FlagToYesNo(value) : std::to_string(value);
}

std::optional<uint8_t> EntryValue(ByteEntry kind, std::string_view text) {
  if (kind == ByteEntry::kYesNo) {
    if (text != "E" && text != "H") return std::nullopt;
    return YesNoToFlag(text);
  }
  const std::size_t most = kind == ByteEntry::kOneDigit ? 1 : 2;
  if (text.empty() || text.size() > most) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return static_cast<uint8_t>(value);
}

GeneralSettingsEntry GeneralEntryOf(const TSettingsRec& settings) {
  GeneralSettingsEntry e;
  e.edits = TextsOf(settings, kGeneralBytes, kGeneralKinds);
  e.chiefDeputy = settings.chiefDeputy != 0;
  e.schoolName = Cp1254ToUtf8(settings.schoolName.view());
  e.principalName = Cp1254ToUtf8(settings.principalName.view());
  e.deputyName = Cp1254ToUtf8(settings.deputyName.view());
  return e;
}

DetailSettingsEntry DetailEntryOf(const TSettingsRec& settings) {
  return TextsOf(settings, kDetailBytes, kDetailKinds);
}

TeacherSettingsEntry TeacherEntryOf(const TeacherRules& rules) {
  return TextsOf(rules, kTeacherBytes, kTeacherKinds);
}

std::optional<int> FirstBadField(const GeneralSettingsEntry& entry) {
  return FirstBad(entry.edits, kGeneralKinds);
}

std::optional<int> FirstBadField(const DetailSettingsEntry& entry) {
  return FirstBad(entry, kDetailKinds);
}

std::optional<int> FirstBadTeacherField(const TeacherSettingsEntry& entry) {
  return FirstBad(entry, kTeacherKinds);
}

void StoreGeneralEntry(TSettingsRec& settings, const School& school,
                       const GeneralSettingsEntry& entry) {
  Store(settings, kGeneralBytes, kGeneralKinds, entry.edits);
  settings.chiefDeputy = entry.chiefDeputy ? 1 : 0;
  settings.schoolName.assign(StoredName(entry.schoolName));
  settings.principalName.assign(StoredName(entry.principalName));
  settings.deputyName.assign(StoredName(entry.deputyName));
  ApplyGeneralSettingsRules(settings, school);
}

void StoreDetailEntry(TSettingsRec& settings, const DetailSettingsEntry& entry) {
  Store(settings, kDetailBytes, kDetailKinds, entry);
}

void StoreTeacherEntry(TeacherRules& rules, const TeacherSettingsEntry& entry) {
  Store(rules, kTeacherBytes, kTeacherKinds, entry);
}

std::string CappedGapBetween(std::string_view gapsPerWeek, std::string_view typed) {
  const std::optional<uint8_t> cap = EntryValue(ByteEntry::kOneDigit, gapsPerWeek);
  const std::optional<uint8_t> value = EntryValue(ByteEntry::kOneDigit, typed);
  if (cap && value && *value > *cap) return std::string(gapsPerWeek);
  return std::string(typed);
}

}  // namespace kalvodrin
