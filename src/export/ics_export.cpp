#include "export/ics_export.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include "core/turkish_text.h"
#include "export/placed_hours.h"

namespace kalvodrin {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 (civil calendar).
long DayNumber(const CalendarDate& d) {
  const int y = d.month <= 2 ? d.year - 1 : d.year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CalendarDate FromDayNumber(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string DateText(const CalendarDate& d) {
  return std::to_string(d.year) + Two(d.month) + Two(d.day);
}

// "08:30" or "8.30" -> minutes after midnight; -1 when it is no time of day.
int ParseStartTime(std::string_view text) {
  int h = 0, m = 0;
  char sep = 0;
  const std::string s(text);
  if (std::sscanf(s.c_str(), "%d%c%d", &h, &sep, &m) != 3) return -1;
  if ((sep != ':' && sep != '.') || h < 0 || h > 23 || m < 0 || m > 59) return -1;
  return h * 60 + m;
}

std::string TimeText(int minutes) { return Two(minutes / 60) + Two(minutes % 60) + "00"; }

// Ç Ğ İ Ö Ş Ü in cp1254, and the ASCII letters a host name keeps of them.
constexpr std::string_view kTurkishCapitals = "\xC7\xD0\xDD\xD6\xDE\xDC";
constexpr std::string_view kAsciiOfTurkish = "cgiosu";

std::string SchoolSlug(const School& school) {
  std::string slug;
  for (char c : school.Settings.schoolName.view())
    if (c >= 'A' && c <= 'Z')
      slug += static_cast<char>(c - 'A' + 'a');
    else if (c >= '0' && c <= '9')
      slug += c;
    else if (const std::size_t k = kTurkishCapitals.find(c); k != std::string_view::npos)
      slug += kAsciiOfTurkish[k];
  return slug.empty() ? "okul" : slug;
}

struct Event {
  const PlacedHour* hour;
  std::string summary;
  std::string description;
};

// An earlier export's event: its SEQUENCE and its lines but UID, DTSTAMP and
// SEQUENCE, in which a change shows.
struct EarlierEvent {
  int sequence = 0;
  std::string body;
};

std::map<std::string, EarlierEvent> EarlierEvents(std::string_view ics) {
  std::string text;
  for (std::size_t i = 0; i < ics.size(); ++i) {
    if (ics.compare(i, 3, "\r\n ") == 0) {
      i += 2;  // a folded line goes on after the space
      continue;
    }
    text += ics[i];
  }
  std::map<std::string, EarlierEvent> events;
  std::string uid;
  EarlierEvent event;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t to = text.find("\r\n", from);
    if (to == std::string::npos) to = text.size();
    const std::string_view line(text.data() + from, to - from);
    from = to + 2;
    if (line == "BEGIN:VEVENT") {
      uid.clear();
      event = {};
    } else if (line == "END:VEVENT") {
      if (!uid.empty()) events[uid] = event;
    } else if (line.starts_with("UID:")) {
      uid = line.substr(4);
    } else if (line.starts_with("SEQUENCE:")) {
      event.sequence = std::atoi(std::string(line.substr(9)).c_str());
    } else if (!line.starts_with("DTSTAMP:")) {
      event.body += std::string(line) + "\n";
    }
  }
  return events;
}

std::string Calendar(const School& school, std::string_view name, std::string_view uidKey,
                     const std::vector<Event>& events, const IcsOptions& options,
                     std::string_view previous) {
  const std::string stamp =
      options.stamp.empty() ? DateText(options.start) + "T000000Z" : options.stamp;
  const std::map<std::string, EarlierEvent> earlier = EarlierEvents(previous);
  std::map<std::pair<int, int>, int> hoursSoFar;  // of each class and lesson
  std::string ics;
  const auto line = [&ics](std::string_view text) { ics += FoldIcsLine(text); };
  line("BEGIN:VCALENDAR");
  line("VERSION:2.0");
  line("PRODID:-//Kalvodrin//Ders Programi//TR");
  line("CALSCALE:GREGORIAN");
  line("X-WR-CALNAME:" + IcsText(std::string(name)));
  const int startWeekday = Weekday(options.start);
  for (const Event& e : events) {
    const PlacedHour& h = *e.hour;
    const int begin = ParseStartTime(h.startTime);
    if (begin < 0) continue;
    const int end = std::min(begin + options.lessonMinutes, 24 * 60 - 1);
    const CalendarDate date = AddDays(options.start, (h.day - startWeekday + 7) % 7);
    const int nth = ++hoursSoFar[{h.classNo, h.lesson}];
    const std::string uid = std::string(uidKey) + "-c" + std::to_string(h.classNo) + "-d" +
                            std::to_string(h.lesson) + "-n" + std::to_string(nth) + "@" +
                            SchoolSlug(school) + ".kalvodrin";
    std::vector<std::string> body = {"DTSTART:" + DateText(date) + "T" + TimeText(begin),
                                     "DTEND:" + DateText(date) + "T" + TimeText(end),
                                     "RRULE:FREQ=WEEKLY", "SUMMARY:" + IcsText(e.summary)};
    if (!e.description.empty()) body.push_back("DESCRIPTION:" + IcsText(e.description));
    if (!h.roomNames.empty()) body.push_back("LOCATION:" + IcsText(JoinNames(h.roomNames)));
    std::string joined;
    for (const std::string& b : body) joined += b + "\n";
    int sequence = 0;
    if (const auto it = earlier.find(uid); it != earlier.end())
      sequence = it->second.sequence + (it->second.body == joined ? 0 : 1);
    line("BEGIN:VEVENT");
    line("UID:" + uid);
    line("DTSTAMP:" + stamp);
    line("SEQUENCE:" + std::to_string(sequence));
    for (const std::string& b : body) line(b);
    line("END:VEVENT");
  }
  line("END:VCALENDAR");
  return ics;
}

std::string_view Previous(const IcsOptions& options, const std::string& stem) {
  const auto it = options.previous.find(stem + ".ics");
  return it == options.previous.end() ? std::string_view() : std::string_view(it->second);
}

}  // namespace

std::string IcsStamp(std::time_t time) {
  std::tm utc{};
  gmtime_r(&time, &utc);
  return DateText({utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday}) + "T" + Two(utc.tm_hour) +
         Two(utc.tm_min) + Two(utc.tm_sec) + "Z";
}

bool ParseCalendarDate(std::string_view text, CalendarDate& date) {
  int y = 0, m = 0, d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const std::string s(text);
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3) return false;
  if (y < 1900 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
  date = {y, m, d};
  return true;
}

int Weekday(const CalendarDate& date) {
  // 1970-01-01 was a Thursday (4).
  const long n = DayNumber(date);
  return static_cast<int>(((n % 7) + 7 + 3) % 7) + 1;
}

CalendarDate AddDays(const CalendarDate& date, int days) {
  return FromDayNumber(DayNumber(date) + days);
}

std::string FoldIcsLine(std::string_view line) {
  std::string out;
  std::size_t octets = 0;
  for (std::size_t i = 0; i < line.size();) {
    std::size_t len = 1;
    const auto c = static_cast<unsigned char>(line[i]);
    if (c >= 0xF0)
      len = 4;
    else if (c >= 0xE0)
      len = 3;
    else if (c >= 0xC0)
      len = 2;
    len = std::min(len, line.size() - i);
    if (octets + len > 75) {
      out += "\r\n ";
      octets = 1;
    }
    out.append(line.substr(i, len));
    octets += len;
    i += len;
  }
  return out + "\r\n";
}

std::string IcsText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (static_cast<unsigned char>(c) >= 0x20) {
      out += c;
    }
  }
  return out;
}

IcsExport CalendarExport(const School& school, const IcsOptions& options) {
  const std::vector<PlacedHour> hours = PlacedHours(school);
  IcsExport result;
  result.hoursWithoutStartTime =
      static_cast<int>(std::count_if(hours.begin(), hours.end(), [](const PlacedHour& h) {
        return ParseStartTime(h.startTime) < 0;
      }));
  for (const TTeacherRec& t : school.Teachers) {
    std::vector<Event> events;
    for (const PlacedHour& h : hours)
      if (std::find(h.teachers.begin(), h.teachers.end(), t.number) != h.teachers.end())
        events.push_back({&h, h.lessonName + " - " + h.className, JoinNames(h.teacherNames)});
    const std::string stem = TeacherFileStem(t.number);
    result.files.push_back({stem + ".ics", Calendar(school, TeacherTitle(school, t.number), stem,
                                                    events, options, Previous(options, stem))});
  }
  for (const TClassRec& c : school.Classes) {
    std::vector<Event> events;
    for (const PlacedHour& h : hours)
      if (h.classNo == c.number) events.push_back({&h, h.lessonName, JoinNames(h.teacherNames)});
    const std::string stem = ClassFileStem(c.number);
    result.files.push_back({stem + ".ics", Calendar(school, ClassTitle(school, c.number), stem,
                                                    events, options, Previous(options, stem))});
  }
  return result;
}

}  // namespace kalvodrin
