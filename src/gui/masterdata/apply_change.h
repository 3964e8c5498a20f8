#pragma once
// What every master-data window does with the outcome of a command: save the files
// the command changed, or tell the user why nothing changed.

#include <QStringList>

#include <vector>

#include "gui/common/app_context.h"
#include "masterdata/list_rows.h"
#include "masterdata/outcome.h"

namespace kalvodrin {

// kDone: rewrites the changed files (a failed save is shown with the system's
// message) and returns true, the school having changed. kUnchanged: false, silently.
// Any refusal: its notice through the message window, false.
bool ApplyChange(const AppContext& context, const Change& change, EntityKind kind);

std::vector<QStringList> ToQtRows(const std::vector<ListRow>& rows);
QStringList ColumnHeaders(const std::vector<ListColumn>& columns);

}  // namespace kalvodrin
