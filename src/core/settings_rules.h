#pragma once
// The rules that keep the scheduling fields of a settings record valid, applied when
// the general settings window stores what the user entered.

#include "core/school.h"
#include "core/settings_record.h"

namespace kalvodrin {

// The largest gap between two lessons cannot exceed the gaps allowed in a week; when
// gaps are allowed at all, it is at least 1. Keeping lessons of one group on
// different days needs at least two grouped lessons in the pool, else it is stored
// off. (The names are cut to their fields by PStr::assign.)
void ApplyGeneralSettingsRules(TSettingsRec& settings, const School& school);

}  // namespace kalvodrin
