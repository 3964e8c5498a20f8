#pragma once
// Alt+letter keys for menus: each caption gets a letter no sibling uses yet, the
// first letter of one of its words when it can, so that the keyboard user reaches
// every item without the mouse.

#include <QString>

namespace kalvodrin {

// The caption with "&" before its key letter; `used` collects the letters taken
// (upper case). A caption with no free letter is returned as it is.
QString WithMnemonic(const QString& caption, QString& used);

}  // namespace kalvodrin
