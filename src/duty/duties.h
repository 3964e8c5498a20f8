#pragma once
// Duties ("NÖBET"): one teacher at one duty place on one day of the week (1 =
// PAZARTESİ .. 7 = PAZAR). The operations behind the duty distribution window. Every
// operation keeps each place's day counters equal to its duty records.

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

inline constexpr int kWeekDays = 7;

// A duty {place, day, teacher} is stored once: giving it again is kUnchanged and
// writes nothing. kNotFound for an unknown place or teacher, kInvalid for a day
// outside 1..7. Rewrites DUDIZIR5.LOF and DUDIZIR4.LOF.
Change GiveDuty(School& school, int place, int day, int teacher);

// The first duty with exactly these numbers goes and its day counter is lowered.
// kNotFound when there is none. Rewrites DUDIZIR5.LOF and DUDIZIR4.LOF.
Change RemoveDuty(School& school, int place, int day, int teacher);

// "Temizle": every duty goes and every counter is 0, also counters a damaged file
// had left above their records. kUnchanged when there was nothing to clear.
Change RemoveAllDuties(School& school);

// "Yalnız Hafta İçi": the day grid offers Monday to Friday only. Duties already
// given at the weekend stay. Rewrites DUDIZIRQ.LOF; kUnchanged when already so.
Change SetWeekdaysOnly(School& school, bool weekdaysOnly);

// The days the distribution window offers: 5 with the weekdays-only switch, else 7.
int OfferedDays(const School& school);

// The number of duty records at the place on the day.
int DutiesAt(const School& school, int place, int day);

}  // namespace kalvodrin
