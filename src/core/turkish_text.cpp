#include "core/turkish_text.h"

#include <array>
#include <cstdint>

namespace kalvodrin {
namespace {

// Unicode code points of cp1254 bytes 0x80..0xFF. Bytes cp1254 leaves undefined keep
// their own value so that any file text survives a round trip through UTF-8.
constexpr std::array<char32_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,  // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,  // F8
};

uint8_t Byte(char c) { return static_cast<uint8_t>(c); }

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns nullopt on bad input.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
  const uint8_t b0 = Byte(text[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    return std::nullopt;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size()) return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    const uint8_t b = Byte(text[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = cp << 6 | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

std::optional<char> ToCp1254(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  for (std::size_t k = 0; k < kHigh.size(); ++k)
    if (kHigh[k] == cp) return static_cast<char>(0x80 + k);
  return std::nullopt;
}

}  // namespace

char TurkUpCase(char c) {
  switch (Byte(c)) {
    case 105: return static_cast<char>(221);  // i -> İ
    case 231: return static_cast<char>(199);  // ç -> Ç
    case 240: return static_cast<char>(208);  // ğ -> Ğ
    case 246: return static_cast<char>(214);  // ö -> Ö
    case 252: return static_cast<char>(220);  // ü -> Ü
    case 253: return 'I';                     // ı -> I
    case 254: return static_cast<char>(222);  // ş -> Ş
    default: break;
  }
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return c;
}

std::string TurkUpCaseText(std::string_view cp1254) {
  std::string out(cp1254);
  for (char& c : out) c = TurkUpCase(c);
  return out;
}

std::string TurkSortKey(std::string_view cp1254) {
  std::string key;
  key.reserve(cp1254.size() * 3);
  for (char c : cp1254) {
    int value = 2 * Byte(c);
    switch (Byte(c)) {
      case 199: value = 2 * 'C' + 1; break;  // Ç
      case 208: value = 2 * 'G' + 1; break;  // Ğ
      case 221: value = 2 * 'I' + 1; break;  // İ
      case 214: value = 2 * 'O' + 1; break;  // Ö
      case 222: value = 2 * 'S' + 1; break;  // Ş
      case 220: value = 2 * 'U' + 1; break;  // Ü
      default: break;
    }
    key += static_cast<char>('0' + value / 100);
    key += static_cast<char>('0' + value / 10 % 10);
    key += static_cast<char>('0' + value % 10);
  }
  return key;
}

std::string Cp1254ToUtf8(std::string_view cp1254) {
  std::string out;
  out.reserve(cp1254.size() * 2);
  for (char c : cp1254) {
    const uint8_t b = Byte(c);
    AppendUtf8(out, b < 0x80 ? char32_t{b} : kHigh[b - 0x80u]);
  }
  return out;
}

std::optional<std::string> Utf8ToCp1254(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto cp = NextCodePoint(utf8, i);
    if (!cp) return std::nullopt;
    const auto c = ToCp1254(*cp);
    if (!c) return std::nullopt;
    out += *c;
  }
  return out;
}

std::string UserTextToCp1254(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto cp = NextCodePoint(utf8, i);
    if (!cp) {
      ++i;
      out += '?';
      continue;
    }
    out += TurkUpCase(ToCp1254(*cp).value_or('?'));
  }
  return out;
}

}  // namespace kalvodrin
