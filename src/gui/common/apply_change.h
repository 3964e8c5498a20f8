#pragma once
// What every window does with the outcome of a command: save the files the command
// changed, or tell the user why nothing changed, in the words of the window's area.

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"
#include "gui/common/app_context.h"

namespace kalvodrin {

// The notice of a refused change, in UTF-8; empty: nothing is shown.
using RefusalText = std::function<std::string(const Change& change)>;

// How an area words the commands on one kind of record: a refusal, the line of the
// confirmation window before a record is deleted (empty: no such record), and the
// question asked before a record is saved under the name of another one. That one is
// given the typed texts of the window's fields in order (cp1254) and the number of
// the record being edited (0 for a new one); empty: no other record has the name.
struct RecordTexts {
  RefusalText refusal{};
  std::function<std::string(const School& school, int number)> deleteConfirm{};
  std::function<std::string(const School& school, const std::vector<std::string>& fields,
                            int except)>
      duplicateQuestion{};
};

// kDone: rewrites the changed files (a failed save is shown with the system's
// message) and returns true, the school having changed. kUnchanged: false, silently.
// Any refusal: its notice through the message window, false.
bool ApplyChange(const AppContext& context, const Change& change, const RefusalText& refusal);

std::vector<QStringList> ToQtRows(const std::vector<ListRow>& rows);
QStringList ColumnHeaders(const std::vector<ListColumn>& columns);

}  // namespace kalvodrin
