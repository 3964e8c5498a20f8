#include "core/substitution_record.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/file_set_save.h"

namespace kalvodrin {
namespace {

constexpr std::string_view kTermKind = "term";
constexpr std::string_view kEntryKind = "substitution";
constexpr std::size_t kMaxNameBytes = 200;

bool LeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && LeapYear(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

int TwoDigits(std::string_view s) {
  if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return -1;
  return (s[0] - '0') * 10 + (s[1] - '0');
}

// The value of `key` as an int within [low, high], or no value.
std::optional<int> IntField(const nlohmann::json& line, const char* key, int low, int high) {
  const auto it = line.find(key);
  if (it == line.end() || !it->is_number_integer()) return std::nullopt;
  const auto v = it->get<int64_t>();
  if (v < low || v > high) return std::nullopt;
  return static_cast<int>(v);
}

std::optional<std::string> TextField(const nlohmann::json& line, const char* key) {
  const auto it = line.find(key);
  if (it == line.end()) return std::string();  // names are for reading only
  if (!it->is_string() || it->get_ref<const std::string&>().size() > kMaxNameBytes)
    return std::nullopt;
  return it->get<std::string>();
}

std::optional<SchoolDate> DateField(const nlohmann::json& line) {
  const auto it = line.find("date");
  if (it == line.end() || !it->is_string()) return std::nullopt;
  return ParseSchoolDate(it->get_ref<const std::string&>());
}

// Whether one line is read; `why` says what is wrong with it otherwise.
bool ReadLine(std::string_view text, SubstitutionRecord& record, std::string& why) {
  const nlohmann::json line = nlohmann::json::parse(text, nullptr, false);
  if (line.is_discarded() || !line.is_object()) {
    why = "JSON nesnesi değil";
    return false;
  }
  const auto kind = line.find("kind");
  const std::optional<SchoolDate> date = DateField(line);
  if (kind == line.end() || !kind->is_string() || !date) {
    why = "\"kind\" ya da \"date\" eksik veya yanlış";
    return false;
  }
  const std::string_view kindText =
      kind->is_string() ? std::string_view(kind->get_ref<const std::string&>()) : "";
  if (kindText == kTermKind) {
    record.termStarts.push_back(*date);
    return true;
  }
  if (kindText != kEntryKind) {
    why = "bilinmeyen \"kind\"";
    return false;
  }
  SubstitutionEntry e;
  e.date = *date;
  const auto hour = IntField(line, "hour", 1, 16);
  const auto classNo = IntField(line, "class", 1, 255);
  const auto lesson = IntField(line, "lesson", 1, 255);
  const auto absent = IntField(line, "absent", 1, 255);
  const auto substitute = IntField(line, "substitute", 1, 255);
  const auto className = TextField(line, "className");
  const auto lessonName = TextField(line, "lessonName");
  const auto absentName = TextField(line, "absentName");
  const auto substituteName = TextField(line, "substituteName");
  if (!hour || !classNo || !lesson || !absent || !substitute || !className || !lessonName ||
      !absentName || !substituteName) {
    why = "bir alan eksik veya sınırın dışında";
    return false;
  }
  e.hour = *hour;
  e.classNo = *classNo;
  e.lesson = *lesson;
  e.absent = *absent;
  e.substitute = *substitute;
  e.className = *className;
  e.lessonName = *lessonName;
  e.absentName = *absentName;
  e.substituteName = *substituteName;
  record.entries.push_back(std::move(e));
  return true;
}

// The dump of a name never fails: a name that is not valid UTF-8 has its bad bytes
// replaced instead of throwing.
nlohmann::json Name(const std::string& s) { return s; }

std::string Dump(const nlohmann::json& j) {
  return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::optional<SchoolDate> ParseSchoolDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const int c = TwoDigits(text.substr(0, 2)), y2 = TwoDigits(text.substr(2, 2));
  const int m = TwoDigits(text.substr(5, 2)), d = TwoDigits(text.substr(8, 2));
  if (c < 0 || y2 < 0 || m < 1 || m > 12 || d < 1) return std::nullopt;
  const int y = c * 100 + y2;
  if (y < 1900 || d > DaysInMonth(y, m)) return std::nullopt;
  return SchoolDate{y, m, d};
}

std::string SchoolDateText(const SchoolDate& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

int WeekdayOf(const SchoolDate& date) {
  // Days since 1970-01-01 (a Thursday), by the civil-calendar count.
  const int y = date.year - (date.month <= 2 ? 1 : 0);
  const int era = y / 400;
  const int yoe = y - era * 400;
  const int mp = (date.month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + date.day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long days = static_cast<long>(era) * 146097 + doe - 719468;
  return static_cast<int>(((days % 7) + 7 + 3) % 7) + 1;
}

Status ParseSubstitutionRecord(std::string_view text, SubstitutionRecord& record) {
  SubstitutionRecord read;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    std::string why;
    if (!ReadLine(line, read, why))
      return Status::Error(std::string(kSubstitutionRecordName) + " satır " +
                           std::to_string(number) + ": " + why);
  }
  std::sort(read.termStarts.begin(), read.termStarts.end());
  read.termStarts.erase(std::unique(read.termStarts.begin(), read.termStarts.end()),
                        read.termStarts.end());
  std::stable_sort(read.entries.begin(), read.entries.end(),
                   [](const auto& a, const auto& b) { return a.date < b.date; });
  record = std::move(read);
  return Status::Ok();
}

std::string SubstitutionRecordText(const SubstitutionRecord& record) {
  std::string text;
  for (const SchoolDate& d : record.termStarts)
    text += Dump({{"kind", std::string(kTermKind)}, {"date", SchoolDateText(d)}}) + "\n";
  for (const SubstitutionEntry& e : record.entries)
    text += Dump({{"kind", std::string(kEntryKind)},
                  {"date", SchoolDateText(e.date)},
                  {"hour", e.hour},
                  {"class", e.classNo},
                  {"lesson", e.lesson},
                  {"absent", e.absent},
                  {"substitute", e.substitute},
                  {"className", Name(e.className)},
                  {"lessonName", Name(e.lessonName)},
                  {"absentName", Name(e.absentName)},
                  {"substituteName", Name(e.substituteName)}}) +
            "\n";
  return text;
}

Status LoadSubstitutionRecord(const std::filesystem::path& folder, FileSystem& disk,
                              SubstitutionRecord& record) {
  std::filesystem::path path = ResolveInFolder(folder, kSubstitutionRecordName, disk);
  // A save a crash stopped after it was decided is read as it will be finished.
  const std::vector<std::string> pending = PendingNewFiles(folder, disk);
  if (std::find(pending.begin(), pending.end(), path.filename()) != pending.end())
    path += std::string(kNewSuffix);
  std::optional<Bytes> content;
  if (Status s = disk.Read(path, content); !s) return s;
  if (!content) {
    record = {};
    return Status::Ok();
  }
  if (content->size() > kMaxSubstitutionRecordBytes)
    return Status::Error(path.string() + ": dosya çok büyük");
  return ParseSubstitutionRecord(
      std::string_view(reinterpret_cast<const char*>(content->data()), content->size()), record);
}

Status SaveSubstitutionRecord(const std::filesystem::path& folder, const SubstitutionRecord& record,
                              FileSystem& disk) {
  const std::string text = SubstitutionRecordText(record);
  return SaveAllOrNothing(
      {{ResolveInFolder(folder, kSubstitutionRecordName, disk), Bytes(text.begin(), text.end())}},
      disk);
}

void ReplaceDay(SubstitutionRecord& record, const SchoolDate& date,
                std::vector<SubstitutionEntry> entries) {
  auto& all = record.entries;
  all.erase(std::remove_if(all.begin(), all.end(), [&](const auto& e) { return e.date == date; }),
            all.end());
  const auto at = std::upper_bound(all.begin(), all.end(), date,
                                   [](const SchoolDate& d, const auto& e) { return d < e.date; });
  for (SubstitutionEntry& e : entries) e.date = date;
  all.insert(at, std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
}

std::vector<SubstitutionEntry> EntriesOn(const SubstitutionRecord& record, const SchoolDate& date) {
  std::vector<SubstitutionEntry> found;
  for (const SubstitutionEntry& e : record.entries)
    if (e.date == date) found.push_back(e);
  return found;
}

bool StartTerm(SubstitutionRecord& record, const SchoolDate& date) {
  if (!record.termStarts.empty() && record.termStarts.back() >= date) return false;
  record.termStarts.push_back(date);
  return true;
}

std::optional<SchoolDate> CurrentTermStart(const SubstitutionRecord& record) {
  if (record.termStarts.empty()) return std::nullopt;
  return record.termStarts.back();
}

std::array<int, 256> TermCounts(const SubstitutionRecord& record,
                                std::optional<SchoolDate> except) {
  std::array<int, 256> counts{};
  const std::optional<SchoolDate> start = CurrentTermStart(record);
  for (const SubstitutionEntry& e : record.entries) {
    if (start && e.date < *start) continue;
    if (except && e.date == *except) continue;
    ++counts[static_cast<std::size_t>(e.substitute)];
  }
  return counts;
}

}  // namespace kalvodrin
