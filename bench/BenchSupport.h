#pragma once
// Generated year files in a temporary folder, shared by the benchmarks.

#include "store/Env.h"
#include "store/LedgerEntry.h"
#include "store/RecordFile.h"
#include "store/SortKey.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace cwbench {

// N entries of one year in descending key order, as the program keeps them.
inline std::vector<cw::LedgerEntry> generateYear(int n)
{
    static const char* const codes[] = {"FT", "CA", "HM", "SA", "UT", "EN", "MD", "TX"};
    std::vector<cw::LedgerEntry> out;
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const int dayOfYear = 364 - int(qint64(i) * 365 / n);
        const QDate d = QDate(2026, 1, 1).addDays(dayOfYear);
        cw::LedgerEntry e;
        e.setDate(d.toString(QStringLiteral("MM-dd-yy")));
        e.setCode(QString::fromLatin1(codes[7 - (i % 8)]));
        e.amount = (i % 5 == 0 ? 1 : -1) * cw::Money(1000 + (qint64(i) * 7919) % 5000000);
        e.setNote(QStringLiteral("entry %1").arg(i));
        out.push_back(e);
    }
    std::stable_sort(out.begin(), out.end(), [](const cw::LedgerEntry& a, const cw::LedgerEntry& b) {
        return ledgerSortKey(a, 'A') > ledgerSortKey(b, 'A');
    });
    return out;
}

// A folder holding "2026CWK.DAT" with N generated entries, made once per N.
class YearFolder {
public:
    static YearFolder& get(int n)
    {
        static std::map<int, std::unique_ptr<YearFolder>> folders;
        auto& f = folders[n];
        if (!f)
            f.reset(new YearFolder(n));
        QDir::setCurrent(f->dir_.path());
        return *f;
    }

    QString dataFile() const { return QStringLiteral("2026CWK.DAT"); }
    const std::vector<cw::LedgerEntry>& entries() const { return entries_; }
    const QByteArray& bytes() const { return bytes_; }
    // Puts the generated file back after a benchmark changed it.
    void restore() const
    {
        QFile f(dataFile());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes_);
    }

private:
    explicit YearFolder(int n) : entries_(generateYear(n)), bytes_(cw::encodeRecords(entries_))
    {
        QDir::setCurrent(dir_.path());
        restore();
    }

    QTemporaryDir dir_;
    std::vector<cw::LedgerEntry> entries_;
    QByteArray bytes_;
};

// The real disk without the flushes: measures the work, not the device.
class NoFlushEnv : public cw::EnvWrapper {
public:
    NoFlushEnv() : EnvWrapper(cw::Env::posix()) {}
    cw::Status newWritableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        cw::Status s = EnvWrapper::newWritableFile(p, o);
        if (s)
            *o = std::make_unique<File>(std::move(*o));
        return s;
    }
    cw::Status syncDir(const QString&) override { return cw::Status::ok(); }

private:
    class File : public cw::WritableFile {
    public:
        explicit File(std::unique_ptr<cw::WritableFile> inner) : inner_(std::move(inner)) {}
        cw::Status append(QByteArrayView d) override { return inner_->append(d); }
        cw::Status sync() override { return cw::Status::ok(); }
        cw::Status close() override { return inner_->close(); }
        cw::Status setPermissions(unsigned mode) override { return inner_->setPermissions(mode); }

    private:
        std::unique_ptr<cw::WritableFile> inner_;
    };
};

} // namespace cwbench
