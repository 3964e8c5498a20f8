#pragma once
// The scheduler settings as their windows take them. Every setting is one byte, typed
// as the letter "E" (1) or "H" (0) or as one or two digits; the windows hold the texts,
// and what a text stores, whether a window's texts can be stored at all, and the rules
// that keep the stored record valid are decided here.
//   general settings   Edit1..Edit9 -> settings bytes 0..8, plus the three names
//   details            Edit1..Edit8 -> settings bytes 10..17
//   teacher's own      Edit1..Edit8 -> the teacher's own rules (timetable bytes 31..38)

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/grid_records.h"
#include "core/school.h"
#include "core/settings_record.h"

namespace kalvodrin {

enum class ByteEntry { kYesNo, kOneDigit, kTwoDigits };

// The text a field shows for a stored byte: "E"/"H", or the number.
std::string EntryText(ByteEntry kind, uint8_t value);
// The byte a typed text stores; nothing when the text is empty or not what the field
// takes (a letter other than E/H, a non-digit, too many digits).
std::optional<uint8_t> EntryValue(ByteEntry kind, std::string_view text);

struct GeneralSettingsEntry {
  std::array<std::string, 9> edits;  // Edit1..Edit9 as typed
  bool chiefDeputy = false;          // "Baş"
  std::string schoolName;            // UTF-8 as typed; stored upper-cased, cut to 80
  std::string principalName;         // cut to 30
  std::string deputyName;            // cut to 30
};
using DetailSettingsEntry = std::array<std::string, 8>;
using TeacherSettingsEntry = std::array<std::string, 8>;

inline constexpr std::array<ByteEntry, 9> kGeneralKinds = {
    ByteEntry::kYesNo, ByteEntry::kOneDigit,  ByteEntry::kOneDigit,
    ByteEntry::kYesNo, ByteEntry::kYesNo,     ByteEntry::kYesNo,
    ByteEntry::kYesNo, ByteEntry::kTwoDigits, ByteEntry::kTwoDigits};
inline constexpr std::array<ByteEntry, 8> kTeacherKinds = {
    ByteEntry::kYesNo, ByteEntry::kOneDigit, ByteEntry::kOneDigit, ByteEntry::kYesNo,
    ByteEntry::kYesNo, ByteEntry::kYesNo,    ByteEntry::kYesNo,    ByteEntry::kTwoDigits};

GeneralSettingsEntry GeneralEntryOf(const TSettingsRec& settings);
DetailSettingsEntry DetailEntryOf(const TSettingsRec& settings);
TeacherSettingsEntry TeacherEntryOf(const TeacherRules& rules);

// The index (0-based) of the first field whose text cannot be stored, or nothing.
// A window refuses to store anything while there is one, so that an empty field
// never leaves half of the entry stored.
std::optional<int> FirstBadField(const GeneralSettingsEntry& entry);
std::optional<int> FirstBadField(const DetailSettingsEntry& entry);
std::optional<int> FirstBadTeacherField(const TeacherSettingsEntry& entry);

// Requires: FirstBadField(entry) is empty. Stores the entry and applies the rules
// that keep the gap settings and the lesson-group rule valid.
void StoreGeneralEntry(TSettingsRec& settings, const School& school,
                       const GeneralSettingsEntry& entry);
void StoreDetailEntry(TSettingsRec& settings, const DetailSettingsEntry& entry);
void StoreTeacherEntry(TeacherRules& rules, const TeacherSettingsEntry& entry);

// What the "largest gap between two lessons" field keeps while the user types into
// it: a value above the weekly gaps is replaced by that value.
std::string CappedGapBetween(std::string_view gapsPerWeek, std::string_view typed);

}  // namespace kalvodrin
