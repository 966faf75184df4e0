#include "SortKey.h"

#include "store/PlainNumber.h"

#include <cstdio>

namespace cw {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int appendCode(char* out, unsigned char c) { return std::snprintf(out, 4, "%u", unsigned(c)); }

} // namespace

double ledgerSortKey(const LedgerEntry& e, char flag)
{
    const char* d = e.date.data();
    const int m = flag == 'E' ? 3 : 0;   // month position
    const int dd = flag == 'E' ? 0 : 3;  // day position
    const char six[6] = {d[6], d[7], d[m], d[m + 1], d[dd], d[dd + 1]};
    const auto c1 = static_cast<unsigned char>(e.code[0]);
    const auto c2 = static_cast<unsigned char>(e.code[1]);

    bool allDigits = true;
    for (char c : six)
        allDigits = allDigits && isDigit(c);
    if (allDigits) {
        long long key = 0;
        for (char c : six)
            key = key * 10 + (c - '0');
        key = key * (c1 >= 100 ? 1000 : c1 >= 10 ? 100 : 10) + c1;
        key = key * (c2 >= 100 ? 1000 : c2 >= 10 ? 100 : 10) + c2;
        return double(key);
    }
    // Odd characters in the date: read the joined text as the plain reader does.
    char text[16];
    int n = 0;
    for (char c : six)
        text[n++] = c;
    n += appendCode(text + n, c1);
    n += appendCode(text + n, c2);
    return readPlainNumber(text, n);
}

} // namespace cw
