#pragma once
// "PERSONAL.DAT": loaded or created at start-up, rewritten whole by each change.

#include "store/Env.h"
#include "store/PersonalRecord.h"

namespace cw {

// Reads record 1, or creates it with the creation values when the file is
// empty or absent; a file shorter than one record is completed with the
// creation values for its missing bytes. LastStartDate becomes today and the
// record is written back, unless the file is read-only.
Result<PersonalRecord> loadOrCreatePersonal(Env& env, const QDate& today);

// Record 1 rewritten whole; bytes past it, if any, are kept.
Status savePersonal(Env& env, const PersonalRecord& record);

} // namespace cw
