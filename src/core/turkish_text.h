#pragma once
// Turkish text: upper-casing and sort keys over cp1254 bytes, and the conversion
// between the files' cp1254 and the UTF-8 of the user interface and JSON.

#include <optional>
#include <string>
#include <string_view>

namespace kalvodrin {

// The upper-case form of one cp1254 character: ı -> I, i -> İ, ç ğ ö ü ş to their
// capitals, then a..z to A..Z; everything else unchanged.
char TurkUpCase(char c);
std::string TurkUpCaseText(std::string_view cp1254);

// A key whose plain byte order is Turkish alphabetical order: every character is
// written as a three-digit number (twice its code; Ç Ğ İ Ö Ş Ü one above their Latin
// letter), so blanks, digits and punctuation come before letters and Ç right after C.
std::string TurkSortKey(std::string_view cp1254);

// Lossless: the bytes cp1254 leaves undefined map to the C1 controls of the same value.
std::string Cp1254ToUtf8(std::string_view cp1254);

// Empty optional when the text is not valid UTF-8 or holds a character that cp1254
// cannot write.
std::optional<std::string> Utf8ToCp1254(std::string_view utf8);

// For texts typed in the user interface: Utf8ToCp1254, then TurkUpCaseText, with '?'
// for characters cp1254 cannot write.
std::string UserTextToCp1254(std::string_view utf8);

}  // namespace kalvodrin
