#pragma once
// Checks the tests apply to exported files as a standard parser would.

#include <string>
#include <string_view>
#include <vector>

namespace kalvodrin::testing {

// "" when the text is well-formed XML (a DOCTYPE allowed, the five predefined and
// numeric character references only, every element closed, valid UTF-8 without
// control characters); otherwise what is wrong and where.
std::string XmlProblem(std::string_view text);

// "" when the text is an iCalendar stream whose structure a parser accepts: CRLF
// line ends, content lines of at most 75 octets with folding, NAME:value lines,
// BEGIN/END nested and matched, one VCALENDAR with VERSION and PRODID, and every
// VEVENT with UID, DTSTAMP and DTSTART; otherwise the first problem.
std::string IcsProblem(std::string_view text);

// The unfolded content lines of an iCalendar stream.
std::vector<std::string> IcsLines(std::string_view text);

}  // namespace kalvodrin::testing
