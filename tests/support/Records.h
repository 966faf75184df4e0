#pragma once
// Entries and categories for tests, built the way the program stores them,
// and the pinned locale every test formats amounts with.

#include "store/CategoryRecord.h"
#include "store/CurrencyFormat.h"
#include "store/LedgerEntry.h"

namespace cwtest {

inline void pinLocale() { cw::CurrencyFormat::useLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

inline cw::LedgerEntry entry(const char* date, const char* code, cw::Money amount, const char* note = "")
{
    cw::LedgerEntry e;
    e.setDate(QString::fromLatin1(date));
    e.setCode(QString::fromLatin1(code));
    e.amount = amount;
    e.setNote(QString::fromLatin1(note));
    return e;
}

inline cw::CategoryRecord category(const char* code, const char* name)
{
    cw::CategoryRecord c;
    c.setCode(QString::fromLatin1(code));
    c.setName(QString::fromLatin1(name));
    return c;
}

} // namespace cwtest
