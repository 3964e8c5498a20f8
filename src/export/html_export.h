#pragma once
// The timetables as a small static website: an index page and one page per teacher,
// class and classroom, readable on a phone, ready to copy to the school's web space.
// Every page is well-formed XHTML-compatible HTML5 in UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "core/school.h"
#include "export/export_files.h"

namespace kalvodrin {

std::vector<ExportFile> HtmlExport(const School& school);

// Text with & < > " ' written as character references.
std::string HtmlEscape(std::string_view text);

}  // namespace kalvodrin
