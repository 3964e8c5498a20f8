#include "well_formed.h"

#include <set>
#include <vector>

namespace kalvodrin::testing {
namespace {

bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

bool NameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == ':' || c == '.';
}

std::string At(std::size_t pos, const std::string& what) {
  return what + " at byte " + std::to_string(pos);
}

// Character data or an attribute value: references must be known ones.
std::string CheckText(std::string_view text, std::size_t base) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<') return At(base + i, "'<' in text");
    if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t' && c != '\r')
      return At(base + i, "control character");
    if (c != '&') continue;
    const std::size_t semi = text.find(';', i);
    if (semi == std::string_view::npos) return At(base + i, "unterminated reference");
    const std::string_view ref = text.substr(i + 1, semi - i - 1);
    static const std::set<std::string_view> kNamed = {"amp", "lt", "gt", "quot", "apos"};
    const bool numeric = ref.size() > 1 && ref[0] == '#' &&
                         ref.find_first_not_of("0123456789", 1) == std::string_view::npos;
    if (!numeric && kNamed.count(ref) == 0)
      return At(base + i, "unknown reference &" + std::string(ref) + ";");
    i = semi;
  }
  return {};
}

}  // namespace

std::string XmlProblem(std::string_view s) {
  if (!ValidUtf8(s)) return "not UTF-8";
  std::vector<std::string> open;
  bool rootSeen = false;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t lt = s.find('<', i);
    const std::string_view text = s.substr(i, lt == std::string_view::npos ? s.npos : lt - i);
    if (std::string p = CheckText(text, i); !p.empty()) return p;
    if (open.empty() && text.find_first_not_of(" \r\n\t") != std::string_view::npos)
      return At(i, "text outside the root element");
    if (lt == std::string_view::npos) break;
    const std::size_t gt = s.find('>', lt);
    if (gt == std::string_view::npos) return At(lt, "unterminated tag");
    std::string_view tag = s.substr(lt + 1, gt - lt - 1);
    i = gt + 1;
    if (tag.rfind("!DOCTYPE", 0) == 0) {
      if (rootSeen || !open.empty()) return At(lt, "DOCTYPE after the root");
      continue;
    }
    if (tag.rfind("!--", 0) == 0) continue;
    if (!tag.empty() && tag[0] == '/') {
      const std::string name(tag.substr(1));
      if (open.empty() || open.back() != name) return At(lt, "unmatched </" + name + ">");
      open.pop_back();
      continue;
    }
    const bool selfClosing = !tag.empty() && tag.back() == '/';
    if (selfClosing) tag.remove_suffix(1);
    std::size_t k = 0;
    while (k < tag.size() && NameChar(tag[k])) ++k;
    if (k == 0) return At(lt, "tag without a name");
    const std::string name(tag.substr(0, k));
    // Attributes: name="value" separated by blanks, each name once.
    std::set<std::string> seen;
    while (k < tag.size()) {
      if (tag[k] == ' ' || tag[k] == '\n') {
        ++k;
        continue;
      }
      std::size_t a = k;
      while (k < tag.size() && NameChar(tag[k])) ++k;
      if (a == k || k + 1 >= tag.size() || tag[k] != '=' ||
          (tag[k + 1] != '"' && tag[k + 1] != '\''))
        return At(lt + 1 + a, "malformed attribute in <" + name + ">");
      if (!seen.insert(std::string(tag.substr(a, k - a))).second)
        return At(lt + 1 + a, "repeated attribute");
      const char quote = tag[k + 1];
      const std::size_t end = tag.find(quote, k + 2);
      if (end == std::string_view::npos) return At(lt, "unterminated attribute value");
      if (std::string p = CheckText(tag.substr(k + 2, end - k - 2), lt + k + 3); !p.empty())
        return p;
      k = end + 1;
      if (k < tag.size() && tag[k] != ' ' && tag[k] != '\n')
        return At(lt + k, "attributes run together");
    }
    if (open.empty() && rootSeen) return At(lt, "second root element");
    rootSeen = true;
    if (!selfClosing) open.push_back(name);
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  if (!rootSeen) return "no root element";
  return {};
}

std::vector<std::string> IcsLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(i, end - i);
    if (!line.empty() && line[0] == ' ' && !lines.empty())
      lines.back() += std::string(line.substr(1));
    else
      lines.emplace_back(line);
    i = end + 2;
  }
  return lines;
}

std::string IcsProblem(std::string_view text) {
  if (!ValidUtf8(text)) return "not UTF-8";
  if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") return "does not end in CRLF";
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = text.find("\r\n", i);
    if (end == std::string_view::npos) return "line without CRLF";
    if (text.substr(i, end - i).find('\n') != std::string_view::npos) return "bare LF";
    if (end - i > 75) return At(i, "line longer than 75 octets");
    i = end + 2;
  }
  std::vector<std::string> stack;
  std::vector<std::set<std::string>> props;  // of each open component
  int calendars = 0;
  for (const std::string& line : IcsLines(text)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) return "not NAME:value: " + line;
    const std::string name = line.substr(0, line.find_first_of(";:"));
    const std::string value = line.substr(colon + 1);
    if (name == "BEGIN") {
      if (stack.empty() && value != "VCALENDAR") return "stream starts with " + value;
      if (!stack.empty() && value == "VCALENDAR") return "nested VCALENDAR";
      stack.push_back(value);
      props.emplace_back();
      if (value == "VCALENDAR") ++calendars;
    } else if (name == "END") {
      if (stack.empty() || stack.back() != value) return "END:" + value + " unmatched";
      const std::set<std::string>& have = props.back();
      std::vector<const char*> needed;
      if (value == "VEVENT") needed = {"UID", "DTSTAMP", "DTSTART"};
      if (value == "VCALENDAR") needed = {"VERSION", "PRODID"};
      for (const char* p : needed)
        if (have.count(p) == 0) return value + " without " + p;
      stack.pop_back();
      props.pop_back();
    } else {
      if (stack.empty()) return "property outside VCALENDAR: " + name;
      props.back().insert(name);
    }
  }
  if (!stack.empty()) return stack.back() + " never ended";
  if (calendars != 1) return "not exactly one VCALENDAR";
  return {};
}

}  // namespace kalvodrin::testing
