#pragma once
// The whole school as JSON (docs/json-format.md): every collection in its order, the
// annex flags and the settings, every record field by name, texts as UTF-8, planes
// and other byte lists as arrays of numbers. Converting to JSON and back gives the
// same record bytes, except the undefined bytes after a text's length (written as
// zero) and the grids' link slots.

// Only the names: the whole JSON library costs seconds of compiling in every file that
// reads this header, and most of them only pass text.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kSchoolJsonFormat = "kalvodrin-school";
inline constexpr int kSchoolJsonVersion = 1;

nlohmann::ordered_json SchoolToJson(const School& school);

// SchoolToJson as text for people as well as programs: a short record on one line,
// longer ones a field per line, lists of numbers always on one line.
std::string SchoolJsonText(const School& school);

// Validates the whole document before it changes anything: every key present, no
// unknown key, every byte 0..255, every 4-byte number a 32-bit integer, every list of
// its exact length, every text writable in cp1254 and within its field. On success
// replaces the collections, annex flags and settings of `school` (the working folder
// stays) and reindexes; on failure `school` is unchanged and the message names the
// field, e.g. "lessons[2].pattern[1]: 0..255 arası bir tam sayı olmalı".
Status SchoolFromJson(const nlohmann::ordered_json& json, School& school);

// The same from JSON text; a syntax error names its byte position.
Status SchoolFromJsonText(std::string_view text, School& school);

}  // namespace kalvodrin
