#include "export/html_export.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/field_text.h"
#include "core/turkish_text.h"
#include "export/placed_hours.h"

namespace kalvodrin {

std::string HtmlEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        // Control characters from damaged records have no place in a page.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
    }
  }
  return out;
}

namespace {

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:0.5em;color:#111}"
    "h1{font-size:1.2em}h2{font-size:1.05em;margin-top:1.2em}"
    ".scroll{overflow-x:auto}"
    "table{border-collapse:collapse;width:100%;font-size:0.85em}"
    "th,td{border:1px solid #888;padding:0.25em;vertical-align:top}"
    "th{background:#eee}td.h{white-space:nowrap;text-align:center}"
    "td div+div{border-top:1px dotted #aaa}"
    "ul{padding-left:1.2em}li{margin:0.2em 0}"
    // A phone shows the week as one column: each hour, then its lessons day by day.
    "@media (max-width:600px){table,tbody,tr,td{display:block;width:auto}"
    "tr:first-child{display:none}td{border:0;border-bottom:1px solid #ccc}"
    "td.h{text-align:left;font-weight:bold;background:#eee}td:empty{display:none}"
    "td[data-day]::before{content:attr(data-day) \": \";font-weight:bold}}";

// One cell's entries, each a few lines.
using Entries = std::vector<std::vector<std::string>>;
using Week = std::map<std::pair<int, int>, Entries>;  // (hour, day)

std::string Page(std::string_view title, std::string_view body) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\" />\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n"
      "<title>";
  html += HtmlEscape(title);
  html += "</title>\n<style>";
  html += kStyle;
  html += "</style>\n</head>\n<body>\n";
  html += body;
  html += "</body>\n</html>\n";
  return html;
}

// A school without a name still needs a heading: an empty one is no heading at all.
std::string SchoolName(const School& school) {
  const std::string name = Cp1254ToUtf8(school.Settings.schoolName.view());
  return name.empty() ? "OKUL" : name;
}

// The last hour any class has, or any hour holds a lesson: the rows of every table.
int LastHour(const School& school, const std::vector<PlacedHour>& hours) {
  int last = 1;
  for (const TClassGridRec& g : school.ClassGrids)
    for (uint8_t h : g.lastHour) last = std::max<int>(last, h);
  for (const PlacedHour& h : hours) last = std::max(last, h.hour);
  return std::min(last, kHoursPerDay);
}

std::string WeekTable(const School& school, const Week& week, int lastHour) {
  std::string html = "<div class=\"scroll\"><table>\n<tr><th>SAAT</th>";
  for (int day = 1; day <= kDays; ++day) html += "<th>" + std::string(DayName(day)) + "</th>";
  html += "</tr>\n";
  for (int hour = 1; hour <= lastHour; ++hour) {
    html += "<tr><td class=\"h\">" + std::to_string(hour) + "<br />" +
            HtmlEscape(Cp1254ToUtf8(
                school.Settings.startTimes[static_cast<std::size_t>(hour - 1)].view())) +
            "</td>";
    for (int day = 1; day <= kDays; ++day) {
      const auto cell = week.find({hour, day});
      html += cell == week.end() ? std::string("<td>")
                                 : "<td data-day=\"" + std::string(DayName(day)) + "\">";
      const auto it = week.find({hour, day});
      if (it != week.end())
        for (const std::vector<std::string>& entry : it->second) {
          html += "<div>";
          for (std::size_t k = 0; k < entry.size(); ++k) {
            if (entry[k].empty()) continue;
            if (k > 0) html += "<br />";
            html += HtmlEscape(entry[k]);
          }
          html += "</div>";
        }
      html += "</td>";
    }
    html += "</tr>\n";
  }
  return html + "</table></div>\n";
}

std::string EntityPage(const School& school, std::string_view kind, std::string_view name,
                       const Week& week, int lastHour) {
  const std::string title = SchoolName(school) + " - " + std::string(name);
  std::string body = "<p><a href=\"index.html\">" + HtmlEscape(SchoolName(school)) +
                     "</a></p>\n<h1>" + HtmlEscape(std::string(kind) + ": " + std::string(name)) +
                     "</h1>\n";
  body += WeekTable(school, week, lastHour);
  return Page(title, body);
}

bool Has(const std::vector<int>& list, int n) {
  return std::find(list.begin(), list.end(), n) != list.end();
}

template <typename List, typename NumberOf, typename TitleOf>
std::string LinkList(std::string_view heading, const List& list, NumberOf numberOf, TitleOf titleOf,
                     std::string (*stem)(int)) {
  std::string html = "<h2>" + std::string(heading) + "</h2>\n<ul>\n";
  for (const auto& rec : list)
    html += "<li><a href=\"" + stem(numberOf(rec)) + ".html\">" + HtmlEscape(titleOf(rec)) +
            "</a></li>\n";
  return html + "</ul>\n";
}

}  // namespace

std::vector<ExportFile> HtmlExport(const School& school) {
  const std::vector<PlacedHour> hours = PlacedHours(school);
  const int lastHour = LastHour(school, hours);
  std::vector<ExportFile> files;

  for (const TTeacherRec& t : school.Teachers) {
    Week week;
    for (const PlacedHour& h : hours)
      if (Has(h.teachers, t.number))
        week[{h.hour, h.day}].push_back({h.className, h.lessonName, JoinNames(h.roomNames)});
    files.push_back(
        {TeacherFileStem(t.number) + ".html",
         EntityPage(school, "ÖĞRETMEN", TeacherTitle(school, t.number), week, lastHour)});
  }
  for (const TClassRec& c : school.Classes) {
    Week week;
    for (const PlacedHour& h : hours)
      if (h.classNo == c.number)
        week[{h.hour, h.day}].push_back(
            {h.lessonName, JoinNames(h.teacherNames), JoinNames(h.roomNames)});
    files.push_back({ClassFileStem(c.number) + ".html",
                     EntityPage(school, "SINIF", ClassTitle(school, c.number), week, lastHour)});
  }
  for (const TRoomRec& r : school.Rooms) {
    Week week;
    for (const PlacedHour& h : hours)
      if (Has(h.rooms, r.number))
        week[{h.hour, h.day}].push_back({h.className, h.lessonName, JoinNames(h.teacherNames)});
    files.push_back({RoomFileStem(r.number) + ".html",
                     EntityPage(school, "DERSLİK", RoomTitle(school, r.number), week, lastHour)});
  }

  std::string body =
      "<h1>" + HtmlEscape(SchoolName(school)) + "</h1>\n<p>" + "HAFTALIK DERS PROGRAMI</p>\n";
  body += LinkList(
      "ÖĞRETMENLER", school.Teachers, [](const TTeacherRec& t) { return t.number; },
      [&](const TTeacherRec& t) { return TeacherTitle(school, t.number); }, &TeacherFileStem);
  body += LinkList(
      "SINIFLAR", school.Classes, [](const TClassRec& c) { return c.number; },
      [&](const TClassRec& c) { return ClassTitle(school, c.number); }, &ClassFileStem);
  body += LinkList(
      "DERSLİKLER", school.Rooms, [](const TRoomRec& r) { return r.number; },
      [&](const TRoomRec& r) { return RoomTitle(school, r.number); }, &RoomFileStem);
  files.push_back({"index.html", Page(SchoolName(school) + " - HAFTALIK DERS PROGRAMI", body)});
  return files;
}

}  // namespace kalvodrin
