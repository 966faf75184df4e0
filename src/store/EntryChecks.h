#pragma once
// The checks every stored entry passes before a file is opened.

#include "store/LedgerEntry.h"
#include "store/Message.h"

#include <optional>

namespace cw {

// Validates the date (a day that exists in `activeYear`) and trims the code
// (stored back left-aligned). Returns the message to show when the entry is
// refused.
std::optional<Message> checkEntry(LedgerEntry& entry, QChar flag, int activeYear);

} // namespace cw
