#pragma once
// How the master-data windows word refusals and delete confirmations for each kind of
// record they keep.

#include "gui/common/apply_change.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {

RefusalText RefusalOf(EntityKind kind);
RecordTexts TextsOf(EntityKind kind);

}  // namespace kalvodrin
