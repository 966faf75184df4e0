#pragma once
// OFX and QFX statements (OFX 1 SGML, OFX 2 XML) through LibOFX: one row per
// bank or card transaction (STMTTRN), with its NAME, MEMO and FITID.
// DTPOSTED is read as the calendar date it names (time and zone left out)
// and TRNAMT as the exact decimal it is, from the element texts themselves:
// LibOFX hands them over as a moment in time and a double.

#include "StatementRow.h"

#include <QByteArrayView>

namespace cw {

StatementRead readOfx(QByteArrayView bytes);

} // namespace cw
