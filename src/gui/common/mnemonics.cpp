#include "gui/common/mnemonics.h"

namespace kalvodrin {
namespace {

QString Marked(const QString& caption, qsizetype at, QString& used) {
  used += caption.at(at).toUpper();
  return caption.left(at) + "&" + caption.mid(at);
}

bool Free(QChar c, const QString& used) { return c.isLetter() && !used.contains(c.toUpper()); }

}  // namespace

QString WithMnemonic(const QString& caption, QString& used) {
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const bool wordStart = i == 0 || !caption.at(i - 1).isLetterOrNumber();
    if (wordStart && Free(caption.at(i), used)) return Marked(caption, i, used);
  }
  for (qsizetype i = 0; i < caption.size(); ++i)
    if (Free(caption.at(i), used)) return Marked(caption, i, used);
  return caption;
}

}  // namespace kalvodrin
