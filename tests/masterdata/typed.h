#pragma once
// Texts as a window hands them over: UTF-8 typed by the user, converted to cp1254.

#include <string>
#include <string_view>

#include "core/turkish_text.h"

namespace kalvodrin {

// cp1254 of a UTF-8 text exactly as written (no upper-casing).
inline std::string Cp(std::string_view utf8) { return Utf8ToCp1254(utf8).value_or("?"); }

// UTF-8 of a stored cp1254 text, for comparing with readable literals.
inline std::string Utf(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }

}  // namespace kalvodrin
