// coinwick_genyear: one generated year of N entries, written twice: as this
// program's files (2026CWK.DAT, 2026CATS.DAT) and as journal.ledger, the same
// transactions for ledger and hledger.
//
//   coinwick_genyear FOLDER N
//
// Each entry becomes one journal transaction: the category's income or
// expenses account against assets:cash, amounts with all four stored decimals.

#include "BenchSupport.h"
#include "store/CategoryFile.h"
#include "store/FileNames.h"

#include <QDir>
#include <cstdio>
#include <cstring>

namespace {

struct Category {
    const char* code;
    const char* name;
};

// The codes the generator uses, with the names the category file gives them.
constexpr Category kCategories[] = {
    {"FT", "Food"}, {"CA", "Car"},           {"HM", "Home"},    {"SA", "Salary"},
    {"UT", "Utilities"}, {"EN", "Entertainment"}, {"MD", "Medical"}, {"TX", "Taxes"},
};

const char* nameOf(const std::array<char, 2>& code)
{
    for (const Category& c : kCategories)
        if (c.code[0] == code[0] && c.code[1] == code[1])
            return c.name;
    return "Unknown";
}

// "$-12.3400": the whole stored amount, sign after the currency symbol.
void putAmount(std::FILE* out, cw::Money amount)
{
    const bool negative = amount < 0;
    const unsigned long long units = negative ? 0ULL - static_cast<unsigned long long>(amount)
                                              : static_cast<unsigned long long>(amount);
    std::fprintf(out, "$%s%llu.%04llu", negative ? "-" : "", units / 10000, units % 10000);
}

bool writeJournal(const std::vector<cw::LedgerEntry>& entries, const char* path)
{
    std::FILE* out = std::fopen(path, "w");
    if (!out)
        return false;
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
    // The year file is newest first; a journal reads oldest first.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const cw::LedgerEntry& e = *it;
        const std::array<char, 8>& d = e.date;   // MM-DD-YY
        std::fprintf(out, "20%c%c-%c%c-%c%c %s\n", d[6], d[7], d[0], d[1], d[3], d[4],
                     qPrintable(e.noteTrimmed()));
        std::fprintf(out, "    %s:%s  ", e.amount > 0 ? "income" : "expenses", nameOf(e.code));
        putAmount(out, -e.amount);
        std::fputs("\n    assets:cash  ", out);
        putAmount(out, e.amount);
        std::fputs("\n\n", out);
    }
    const bool ok = std::ferror(out) == 0;
    return std::fclose(out) == 0 && ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: coinwick_genyear FOLDER N\n");
        return 2;
    }
    bool ok = false;
    const int n = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (!ok || n < 1) {
        std::fprintf(stderr, "coinwick_genyear: N must be a positive number\n");
        return 2;
    }
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1])) || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "coinwick_genyear: cannot enter %s\n", argv[1]);
        return 1;
    }

    cw::Env& env = *cw::Env::current();
    const std::vector<cw::LedgerEntry> entries = cwbench::generateYear(n);
    const QString year = QStringLiteral("2026");
    if (const cw::Status s = cw::writeRecords(env, cw::dataFileName(year), entries); !s) {
        std::fprintf(stderr, "coinwick_genyear: %s\n", qPrintable(s.toString()));
        return 1;
    }
    std::vector<cw::CategoryRecord> categories;
    for (const Category& c : kCategories) {
        cw::CategoryRecord r;
        r.setCode(QString::fromLatin1(c.code));
        r.setName(QString::fromLatin1(c.name));
        categories.push_back(r);
    }
    if (const cw::Status s = cw::CategoryFile(cw::categoryFileName(year), &env).writeAll(categories); !s) {
        std::fprintf(stderr, "coinwick_genyear: %s\n", qPrintable(s.toString()));
        return 1;
    }
    if (!writeJournal(entries, "journal.ledger")) {
        std::fprintf(stderr, "coinwick_genyear: cannot write journal.ledger\n");
        return 1;
    }
    return 0;
}
