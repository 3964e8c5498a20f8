#pragma once
// Between the records' cp1254 texts, the program's UTF-8 string constants and QString.

#include <QString>

#include <string>
#include <string_view>

namespace kalvodrin {

// A UTF-8 constant of the program (captions, notices) as a QString.
inline QString U8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A record's text for display.
QString FromCp1254(std::string_view cp1254);

// A typed name as records hold it: cp1254 in Turkish capitals, '?' for characters the
// code page cannot write.
std::string ToRecordText(const QString& text);

}  // namespace kalvodrin
