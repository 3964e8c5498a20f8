#include "gui/common/qt_text.h"

#include "core/turkish_text.h"

namespace kalvodrin {

QString FromCp1254(std::string_view cp1254) { return U8(Cp1254ToUtf8(cp1254)); }

std::string ToRecordText(const QString& text) {
  return UserTextToCp1254(text.toStdString());
}

}  // namespace kalvodrin
