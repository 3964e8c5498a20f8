#pragma once
// The record of the substitutions given over the school year: which teacher took
// which lesson hour of an absent teacher on which date, and where each term began.
// It lives in the working folder as DERSGOREV.JSONL (docs/substitution-record.md),
// beside the data files, whose layout it leaves alone. Saves go through the
// all-or-nothing path of file_set_save.h, so a failed save keeps the old record whole.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kSubstitutionRecordName = "DERSGOREV.JSONL";
// A record larger than this is not read: years of daily plans stay far below it.
inline constexpr std::size_t kMaxSubstitutionRecordBytes = 32u << 20;

struct SchoolDate {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const SchoolDate&) const = default;
};

// "2026-12-09"; an empty optional for anything else, a 31st of April too.
std::optional<SchoolDate> ParseSchoolDate(std::string_view text);
std::string SchoolDateText(const SchoolDate& date);
// 1 = Monday .. 7 = Sunday.
int WeekdayOf(const SchoolDate& date);

// One lesson hour taken by a substitute. The names are kept as they were on the day,
// so that the history reads right after a teacher or class is renamed or deleted;
// the counts go by number.
struct SubstitutionEntry {
  SchoolDate date;
  int hour = 0;                // 1..16
  int classNo = 0;             // 1..255
  int lesson = 0;              // 1..255
  int absent = 0;              // teacher number
  int substitute = 0;          // teacher number
  std::string className;       // UTF-8
  std::string lessonName;      // UTF-8
  std::string absentName;      // UTF-8
  std::string substituteName;  // UTF-8
  bool operator==(const SubstitutionEntry&) const = default;
};

struct SubstitutionRecord {
  std::vector<SubstitutionEntry> entries;  // by date, then in the order given
  std::vector<SchoolDate> termStarts;      // ascending
  bool operator==(const SubstitutionRecord&) const = default;
};

// Reads the record's text. A line that is not a valid entry makes the whole record
// refused, with the line's number in the message: a record read in part and saved
// again would lose the rest.
Status ParseSubstitutionRecord(std::string_view text, SubstitutionRecord& record);
// One JSON object per line, term starts first, then the entries; UTF-8, "\n" endings.
std::string SubstitutionRecordText(const SubstitutionRecord& record);

// A missing file is an empty record.
Status LoadSubstitutionRecord(const std::filesystem::path& folder, FileSystem& disk,
                              SubstitutionRecord& record);
Status SaveSubstitutionRecord(const std::filesystem::path& folder, const SubstitutionRecord& record,
                              FileSystem& disk);

// The entries of the date replaced by `entries` (a plan saved again replaces itself).
void ReplaceDay(SubstitutionRecord& record, const SchoolDate& date,
                std::vector<SubstitutionEntry> entries);
std::vector<SubstitutionEntry> EntriesOn(const SubstitutionRecord& record, const SchoolDate& date);

// A term starting on the date: the counts begin again from it, the entries before it
// stay in the record. Refused (false) when a term already starts on or after it.
bool StartTerm(SubstitutionRecord& record, const SchoolDate& date);
// The latest term start, none before the first one.
std::optional<SchoolDate> CurrentTermStart(const SubstitutionRecord& record);

// Hours each teacher (by number) took as a substitute since the current term began,
// leaving out the date `except` (the day being planned anew).
std::array<int, 256> TermCounts(const SubstitutionRecord& record,
                                std::optional<SchoolDate> except = std::nullopt);

}  // namespace kalvodrin
