#include "gui/common/apply_change.h"

#include "core/storage.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

bool ApplyChange(const AppContext& context, const Change& change, const RefusalText& refusal) {
  if (change.outcome == Outcome::kUnchanged) return false;
  if (change.outcome != Outcome::kDone) {
    const std::string text = refusal ? refusal(change) : std::string();
    if (!text.empty()) context.sil.Notice(U8(text));
    return false;
  }
  if (Status saved = SaveFiles(context.school, change.files, context.Disk()); !saved)
    context.sil.Notice(U8(saved.message()));
  return true;
}

std::vector<QStringList> ToQtRows(const std::vector<ListRow>& rows) {
  std::vector<QStringList> out;
  out.reserve(rows.size());
  for (const ListRow& row : rows) {
    QStringList texts;
    for (const std::string& cell : row.cells) texts << U8(cell);
    out.push_back(texts);
  }
  return out;
}

QStringList ColumnHeaders(const std::vector<ListColumn>& columns) {
  QStringList headers;
  for (const ListColumn& c : columns) headers << U8(c.header);
  return headers;
}

}  // namespace kalvodrin
