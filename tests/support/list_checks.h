#pragma once
// Checks every list window's rows and messages must pass, whatever the area.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"

namespace kalvodrin::testing {

// Rows given, each with one cell per column (hidden ones included): a row one cell
// short or long shifts every column after the gap under the wrong header.
inline void ExpectRowsFitColumns(const std::vector<ListColumn>& columns,
                                 const std::vector<ListRow>& rows) {
  EXPECT_FALSE(rows.empty());
  for (const ListRow& row : rows)
    EXPECT_EQ(row.cells.size(), columns.size()) << "row " << row.number;
}

// Each refusal has a message of its own, and an outcome that is no refusal of the
// operation none: two refusals sharing a text tell the user the wrong reason.
template <typename Notice>
void ExpectOwnMessages(Notice notice, const std::vector<Outcome>& refusals) {
  std::set<std::string> texts;
  for (Outcome o : refusals) {
    const std::string text = notice(o);
    EXPECT_FALSE(text.empty()) << static_cast<int>(o);
    EXPECT_TRUE(texts.insert(text).second) << text;
  }
  EXPECT_EQ(notice(Outcome::kDone), "");
}

}  // namespace kalvodrin::testing
