#include "OfxReader.h"

#include "StatementValues.h"

#include <libofx/libofx.h>

#include <QTemporaryFile>

namespace cw {
namespace {

struct Transaction {
    QString name, memo, fitid;
};

int onTransaction(const OfxTransactionData data, void* out)
{
    // Investment transactions carry no STMTTRN of a bank statement.
    if (data.invtransactiontype_valid)
        return 0;
    auto text = [](const char* s, int valid) { return valid ? decodeStatementText(QByteArrayView(s)) : QString(); };
    static_cast<std::vector<Transaction>*>(out)->push_back(
        {text(data.name, data.name_valid), text(data.memo, data.memo_valid), text(data.fi_id, data.fi_id_valid)});
    return 0;
}

// The raw dates and amounts of each STMTTRN, in file order.
struct RawTransaction {
    int line = 0;
    QString posted, amount;
    bool hasPosted = false, hasAmount = false;
};

class Scanner {
public:
    explicit Scanner(QByteArrayView bytes) : text_(bytes) {}

    // The next tag named `name` (case ignored) at or after `from`; -1 when none.
    qsizetype find(QByteArrayView name, qsizetype from) const
    {
        return indexOfCaseless('<' + name.toByteArray() + '>', from);
    }
    // The text after the tag at `at` up to the next tag or line end.
    QString value(qsizetype at) const
    {
        qsizetype from = text_.indexOf('>', at) + 1;
        qsizetype end = from;
        while (end < text_.size() && text_[end] != '<' && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        return decodeStatementText(text_.sliced(from, end - from)).trimmed();
    }
    int lineAt(qsizetype at) const { return int(text_.first(at).count('\n')) + 1; }
    int lastLine() const { return lineAt(text_.size()); }

private:
    qsizetype indexOfCaseless(const QByteArray& needle, qsizetype from) const
    {
        for (qsizetype at = from; (at = text_.indexOf('<', at)) >= 0; ++at)
            if (at + needle.size() <= text_.size() && qstrnicmp(text_.data() + at, needle.constData(), needle.size()) == 0)
                return at;
        return -1;
    }

    QByteArrayView text_;
};

StatementFailure failure(int line, const char* reason) { return {line, QString::fromLatin1(reason)}; }

std::optional<StatementFailure> scan(QByteArrayView bytes, std::vector<RawTransaction>& out)
{
    const Scanner s(bytes);
    const qsizetype open = s.find("OFX", 0);
    if (open < 0)
        return failure(s.lastLine(), "no <OFX> element, not an OFX statement");
    const qsizetype close = s.find("/OFX", open);
    if (close < 0)
        return failure(s.lastLine(), "the statement ends early: no </OFX>");
    for (qsizetype at = s.find("STMTTRN", open); at >= 0 && at < close;) {
        const qsizetype end = s.find("/STMTTRN", at);
        const qsizetype next = s.find("STMTTRN", at + 1);
        if (end < 0 || end > close || (next >= 0 && next < end))
            return failure(s.lineAt(at), "a transaction (<STMTTRN>) is not closed");
        RawTransaction t;
        t.line = s.lineAt(at);
        if (const qsizetype d = s.find("DTPOSTED", at); d >= 0 && d < end) {
            t.posted = s.value(d);
            t.hasPosted = true;
        }
        if (const qsizetype a = s.find("TRNAMT", at); a >= 0 && a < end) {
            t.amount = s.value(a);
            t.hasAmount = true;
        }
        out.push_back(t);
        at = next;
    }
    return std::nullopt;
}

QDate postedDate(const QString& posted)
{
    // YYYYMMDD, then perhaps a time, fractions and a zone, all left out.
    if (posted.size() < 8)
        return {};
    for (int i = 0; i < 8; ++i)
        if (!posted[i].isDigit() || posted[i].unicode() > 127)
            return {};
    if (posted.size() > 8 && posted[8].isDigit() == false && posted[8] != u'[' && posted[8] != u'.')
        return {};
    return QDate(posted.left(4).toInt(), posted.mid(4, 2).toInt(), posted.mid(6, 2).toInt());
}

} // namespace

StatementRead readOfx(QByteArrayView bytes)
{
    StatementRead out;
    if ((out.failure = binaryDataFailure(bytes)))
        return out;
    std::vector<RawTransaction> raw;
    if ((out.failure = scan(bytes, raw)))
        return out;

    // LibOFX reads from a file: a private copy in the temporary folder.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes.data(), bytes.size()) != bytes.size() || !copy.flush()) {
        out.failure = StatementFailure{1, QStringLiteral("no room for a temporary copy: %1").arg(copy.errorString())};
        return out;
    }
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg =
        ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = ofx_show_position = 0;
    std::vector<Transaction> read;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &read);
    const int result = libofx_proc_file(context, QFile::encodeName(copy.fileName()).constData(), OFX);
    libofx_free_context(context);
    if (result != 0 || read.size() != raw.size()) {
        const int line = read.size() < raw.size() ? raw[read.size()].line : 1;
        out.failure = StatementFailure{line, QStringLiteral("LibOFX cannot read the statement here")};
        return out;
    }

    for (size_t i = 0; i < raw.size(); ++i) {
        StatementRow row;
        row.line = raw[i].line;
        row.payee = read[i].name;
        row.memo = read[i].memo;
        row.fitid = read[i].fitid;
        row.date = postedDate(raw[i].posted);
        if (!raw[i].hasPosted)
            row.error = QStringLiteral("no date");
        else if (!row.date.isValid())
            row.error = QStringLiteral("date \"%1\" not readable").arg(raw[i].posted);
        row.amount = parseStatementAmount(raw[i].amount, DecimalMark::Guess);
        if (!row.amount && row.error.isEmpty())
            row.error = raw[i].hasAmount ? QStringLiteral("amount \"%1\" not readable").arg(raw[i].amount)
                                         : QStringLiteral("no amount");
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace cw
