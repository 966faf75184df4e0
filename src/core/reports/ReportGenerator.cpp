#include "ReportGenerator.h"

#include "store/CurrencyFormat.h"
#include "store/DateRules.h"
#include "store/FileNames.h"
#include "store/LedgerEntry.h"
#include "store/RecordFile.h"
#include "store/Win1252.h"

#include <QFileInfo>
#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <memory>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cw {
namespace {

// The report's work files, removed after every report with the selection file.
const QString kExpenseWorkName = QStringLiteral("ex_file.$$$");
const QString kIncomeWorkName = QStringLiteral("ic_file.$$$");
const QString kOpenItemsWorkName = QStringLiteral("todofile.$$$");

constexpr int kAmountWidth = 16;
constexpr int kPercentWidth = 5;
constexpr int kLongestBar = 26;
// A line item with an amount of up to sixteen characters.
constexpr qsizetype kLongestLineItem = 1 + LedgerEntry::kDateSize + 2 + kAmountWidth + 1 + LedgerEntry::kNoteSize;

const QString kBlankLine = QStringLiteral(" ");
const QString kRule(70, u'-');
const QString kSummaryColumns = QStringLiteral(" Category              Sub Total             Graph");

// Everything the selection asks of one category code: the matching entries of
// the period, once each, in year-file order.
struct CodeGroup {
    int multiplicity = 0;              // how often the code stands in the selection
    MoneySum income = 0;               // sum of money in
    MoneySum expense = 0;              // sum of money out, as a positive amount
    qint64 incomeCount = 0;
    qint64 expenseCount = 0;
    // Record numbers (from 0) in the year file of the open items, read where they lie.
    std::vector<quint32> openRecords;
    // Full reports: the length of the line items of one copy, and where the
    // first copy's lines are (line index of the next one to write).
    qsizetype incomeCharacters = 0;
    qsizetype expenseCharacters = 0;
    qsizetype nextIncomeLine = -1;
    qsizetype nextExpenseLine = -1;
};

// Group numbers by the two bytes of a category code, a table per first byte
// in use: a few small tables instead of one of 65,536 entries to clear.
class CodeTable {
public:
    int find(const char* code) const
    {
        const auto& table = tables_[firstByte(code)];
        return table ? (*table)[secondByte(code)] : -1;
    }
    int& at(const char* code)
    {
        auto& table = tables_[firstByte(code)];
        if (!table) {
            table = std::make_unique<std::array<int, 256>>();
            table->fill(-1);
        }
        return (*table)[secondByte(code)];
    }

private:
    static size_t firstByte(const char* code) { return static_cast<unsigned char>(code[0]); }
    static size_t secondByte(const char* code) { return static_cast<unsigned char>(code[1]); }
    std::array<std::unique_ptr<std::array<int, 256>>, 256> tables_;
};

// The fields of a year file record, read in place.
const char* dateOf(const char* record) { return record + LedgerEntryCodec::kDateOffset; }
const char* codeOf(const char* record) { return record + LedgerEntryCodec::kCodeOffset; }
const char* noteOf(const char* record) { return record + LedgerEntryCodec::kNoteOffset; }
Money amountOf(const char* record) { return qFromLittleEndian<qint64>(record + LedgerEntryCodec::kAmountOffset); }

// num / den rounded to the nearest integer, halves to the even one; den > 0, num >= 0.
MoneySum divideHalfEven(MoneySum num, MoneySum den)
{
    MoneySum q = num / den;
    const MoneySum twiceRest = (num % den) * 2;
    if (twiceRest > den || (twiceRest == den && (q & 1) != 0))
        ++q;
    return q;
}

// The code page as a table, filled once from the store's own mapping.
const std::array<QChar, 256>& win1252Table()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t;
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = win1252ToUnicode(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

// Whether any of `n` bytes lies in 0x80..0x9F, eight at a time.
bool holdsC1Byte(const unsigned char* bytes, qsizetype n)
{
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, sizeof word);
        const quint64 t = (word & (0xE0 * kOnes)) ^ (0x80 * kOnes);   // a zero byte where one is in range
        if ((t - kOnes) & ~t & (0x80 * kOnes))
            return true;
    }
    for (; i < n; ++i)
        if ((bytes[i] & 0xE0) == 0x80)
            return true;
    return false;
}

// Latin-1 bytes to UTF-16, sixteen at a time where the processor can.
void widenLatin1(const unsigned char* bytes, char16_t* out, qsizetype n)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, zero));
    }
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
    }
#endif
    for (; i < n; ++i)
        out[i] = bytes[i];
}

// Writes the characters of one report line in place, which a full report
// does once per entry.
class LineWriter {
public:
    explicit LineWriter(char16_t* at) : at_(at), code_(win1252Table()) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    char16_t* end() const { return at_; }

    LineWriter& put(char16_t c)
    {
        *at_++ = c;
        return *this;
    }
    LineWriter& put(QLatin1StringView text)
    {
        for (char c : text)
            *at_++ = char16_t(static_cast<unsigned char>(c));
        return *this;
    }
    LineWriter& put(const QString& text)
    {
        const auto* from = reinterpret_cast<const char16_t*>(text.constData());
        at_ = std::copy(from, from + text.size(), at_);
        return *this;
    }
    // A stored text field, blank fill kept.
    template <size_t N>
    LineWriter& put(const std::array<char, N>& field)
    {
        return putField(field.data(), N);
    }
    // Windows-1252 is Latin-1 but for 0x80 to 0x9F, so the bytes are widened
    // as they are and only a field holding one of those is looked up.
    LineWriter& putField(const char* field, qsizetype size)
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(field);
        if (holdsC1Byte(bytes, size)) {
            for (qsizetype i = 0; i < size; ++i)
                at_[i] = code_[bytes[i]].unicode();
        } else {
            widenLatin1(bytes, at_, size);
        }
        at_ += size;
        return *this;
    }
    LineWriter& putRepeated(char16_t c, qsizetype count)
    {
        at_ = std::fill_n(at_, count, c);
        return *this;
    }
    // A currency text followed by blanks up to 16 characters; a longer one is written whole.
    LineWriter& putPadded(const CurrencyFormat& money, MoneySum amount)
    {
        char16_t* start = at_;
        at_ = money.write(amount, at_);
        return putRepeated(u' ', std::max<qsizetype>(0, kAmountWidth - (at_ - start)));
    }
    static qsizetype paddedSize(const CurrencyFormat& money) { return std::max<qsizetype>(kAmountWidth, money.maxLength()); }
    static qsizetype paddedSize(const CurrencyFormat& money, MoneySum amount)
    {
        return std::max<qsizetype>(kAmountWidth, money.length(amount));
    }

private:
    char16_t* at_;
    const std::array<QChar, 256>& code_;
};

// A line of at most `most` characters added at the end of the report text.
class LineBuilder : public LineWriter {
public:
    LineBuilder(ReportText& text, qsizetype most) : LineWriter(text.beginLine(most)), text_(text) {}
    ~LineBuilder() { text_.endLine(end()); }

private:
    ReportText& text_;
};

// " 03-10-98  $75.00          \tGroceries ..." for one entry, the amount as shown.
constexpr qsizetype kLineItemFixedPart = 1 + LedgerEntry::kDateSize + 2 + 1 + LedgerEntry::kNoteSize;

char16_t* writeLineItem(char16_t* at, const char* record, const CurrencyFormat& money, MoneySum shown)
{
    return LineWriter(at)
        .put(u' ')
        .putField(record + LedgerEntryCodec::kDateOffset, LedgerEntry::kDateSize)
        .put(QLatin1StringView("  "))
        .putPadded(money, shown)
        .put(u'\t')
        .putField(record + LedgerEntryCodec::kNoteOffset, LedgerEntry::kNoteSize)
        .end();
}

// The report month of a stored date; the year file is in date order, so the
// last date read is usually the next one too.
class MonthReader {
public:
    explicit MonthReader(QChar flag) : flag_(flag) {}

    int monthOf(const char* date)
    {
        quint64 key;
        static_assert(sizeof key == LedgerEntry::kDateSize);
        std::memcpy(&key, date, sizeof key);
        if (!known_ || key != lastDate_) {
            QChar text[LedgerEntry::kDateSize];
            for (int i = 0; i < LedgerEntry::kDateSize; ++i)
                text[i] = win1252ToUnicode(static_cast<unsigned char>(date[i]));
            lastMonth_ = cw::monthOf(QStringView(text, LedgerEntry::kDateSize), flag_);
            lastDate_ = key;
            known_ = true;
        }
        return lastMonth_;
    }

private:
    QChar flag_;
    bool known_ = false;
    quint64 lastDate_ = 0;
    int lastMonth_ = 0;
};

class ReportWriter {
public:
    ReportWriter(const ReportRequest& request, ReportResult* result)
        : request_(request), result_(*result), lines_(result->lines), money_(CurrencyFormat::current())
    {
    }

    Status build(Env& env);
    // The totals alone, for `selection`.
    Status total(Env& env, std::vector<CategoryRecord> selection, ReportTotals* totals);

private:
    Status readYear(Env& env);
    void collect();
    void writeHeading();
    void writeSummary(bool expense);
    void writeBalance();
    void writeOpenItems();
    void writeLineItems(bool expense);
    void fillLineItems();
    // The length of the line item of an amount shown as `shown` (>= 0).
    qsizetype lineItemLength(MoneySum shown) const
    {
        return kLineItemFixedPart + (shown < shortAmounts_ ? kAmountWidth : LineWriter::paddedSize(money_, shown));
    }
    void writePanels();
    // Calls visit(record number, record, its code group, its month) for each
    // record of the year file the report takes, in file order.
    template <class Visit>
    void forEachTakenRecord(Visit visit)
    {
        const bool monthReadable = request_.dateFlag == u'A' || request_.dateFlag == u'E';
        const qsizetype count = monthReadable && !groups_.empty() ? recordCount<LedgerEntry>(data_.view()) : 0;
        MonthReader months(request_.dateFlag);
        for (qsizetype i = 0; i < count; ++i) {
            const char* record = data_.data() + i * LedgerEntryCodec::kSize;
            const int g = groupOfCode_.find(codeOf(record));
            if (g < 0)
                continue;
            const int month = months.monthOf(dateOf(record));
            if (month >= request_.startMonth && month <= request_.endMonth)
                visit(i, record, groups_[size_t(g)], month);
        }
    }

    // Room for every line, so that a long report is not copied as it grows.
    qsizetype expectedLineCount() const
    {
        qsizetype n = 64 + 2 * qsizetype(selection_.size());
        for (size_t j = 0; j < selection_.size(); ++j) {
            const CodeGroup& group = groupOf(j);
            n += qsizetype(group.openRecords.size()) + 6;
            if (request_.full)
                n += group.multiplicity * qsizetype(group.incomeCount + group.expenseCount);
        }
        return n;
    }
    const CodeGroup& groupOf(size_t selectionIndex) const { return groups_[groupIndex_[selectionIndex]]; }
    const char* recordAt(quint32 i) const { return data_.data() + qsizetype(i) * LedgerEntryCodec::kSize; }

    void addAmountLine(QLatin1StringView label, MoneySum amount)
    {
        LineBuilder(lines_, label.size() + LineBuilder::paddedSize(money_)).put(label).putPadded(money_, amount);
    }
    // Shortest decimal form of a percentage held in hundredths, right-aligned in five places.
    static QString percentField(MoneySum hundredths) { return shareText(hundredths).rightJustified(kPercentWidth, u' '); }

    const ReportRequest& request_;
    ReportResult& result_;
    ReportText& lines_;
    const CurrencyFormat& money_;

    FileContents data_;
    std::vector<CategoryRecord> selection_;
    std::vector<size_t> groupIndex_;   // per selection record
    CodeTable groupOfCode_;
    // Every amount below this one is shown in the 16-character column.
    const MoneySum shortAmounts_ = [this] {
        MoneySum limit = 1;
        while (limit <= MoneySum(INT64_MAX) && money_.length(limit * 10 - 1) <= kAmountWidth)
            limit *= 10;
        return limit;
    }();
    std::vector<CodeGroup> groups_;
    int lowestMonth_ = 12;
    int highestMonth_ = 1;
    MoneySum incomeTotal_ = 0;
    MoneySum expenseTotal_ = 0;
    qint64 incomeCount_ = 0;
    qint64 expenseCount_ = 0;
    std::array<MoneySum, 12> monthIncome_{};
    std::array<MoneySum, 12> monthExpense_{};
    MoneySum bar_ = 0;   // a bar that cannot be computed keeps the last length
    // Line items written again where a code stands more than once in the selection.
    struct Copy {
        qsizetype from, to, count;
    };
    std::vector<Copy> copies_;
};

Status ReportWriter::build(Env& env)
{
    // The selection is the report's own work file: a failure is told on its folder.
    Result<QByteArray> selectionBytes = readRecordFile(env, request_.selectionFileName);
    if (!selectionBytes)
        return Status::ioError(QFileInfo(request_.selectionFileName).absolutePath(), selectionBytes.status().reason());
    selection_ = decodeRecords<CategoryRecord>(*selectionBytes);
    if (Status read = readYear(env); !read)
        return read;
    const qsizetype lineCount = expectedLineCount();
    lines_.reserve(lineCount, lineCount * kLongestLineItem);
    writePanels();
    writeHeading();
    writeSummary(true);
    addAmountLine(QLatin1StringView("Total Expense   "), expenseTotal_);
    lines_.append(kBlankLine);
    writeSummary(false);
    addAmountLine(QLatin1StringView("Total Income    "), incomeTotal_);
    lines_.append(kBlankLine);
    writeBalance();
    writeOpenItems();
    if (request_.full) {
        lines_.append(kBlankLine);
        lines_.append(kRule);
        lines_.append(QStringLiteral("                        Line items - money OUT"));
        lines_.append(kRule);
        writeLineItems(true);
        lines_.append(kBlankLine);
        lines_.append(kRule);
        lines_.append(QStringLiteral("                        Line items - money IN"));
        lines_.append(kRule);
        writeLineItems(false);
    }
    lines_.append(kBlankLine);
    lines_.append(kRule);
    lines_.append(QStringLiteral("  END"));
    if (request_.full)
        fillLineItems();
    return Status::ok();
}

Status ReportWriter::readYear(Env& env)
{
    if (Status mapped = mapRecordFile(env, request_.dataFileName, &data_); !mapped)
        return mapped;
    collect();
    return Status::ok();
}

Status ReportWriter::total(Env& env, std::vector<CategoryRecord> selection, ReportTotals* totals)
{
    selection_ = std::move(selection);
    if (Status read = readYear(env); !read)
        return read;
    totals->categories.reserve(selection_.size());
    for (size_t j = 0; j < selection_.size(); ++j) {
        const CodeGroup& group = groupOf(j);
        totals->categories.push_back({selection_[j], group.multiplicity * group.expense, group.multiplicity * group.income});
    }
    totals->expenseTotal = expenseTotal_;
    totals->incomeTotal = incomeTotal_;
    totals->monthIncome = monthIncome_;
    totals->monthExpense = monthExpense_;
    return Status::ok();
}

// One pass over the year file: the entries of the period whose code stands in
// the selection, grouped by code; then the totals over the selection.
void ReportWriter::collect()
{
    groupIndex_.reserve(selection_.size());
    for (const CategoryRecord& category : selection_) {
        int& g = groupOfCode_.at(category.code.data());
        if (g < 0) {
            g = int(groups_.size());
            groups_.emplace_back();
        }
        ++groups_[size_t(g)].multiplicity;
        groupIndex_.push_back(size_t(g));
    }

    forEachTakenRecord([this](qsizetype i, const char* record, CodeGroup& group, int month) {
        const Money amount = amountOf(record);
        if (amount == 0) {
            group.openRecords.push_back(quint32(i));
            return;
        }
        // The months count each entry as often as its code is chosen, as the totals do.
        if (amount > 0) {
            group.income += amount;
            ++group.incomeCount;
            monthIncome_[size_t(month - 1)] += MoneySum(group.multiplicity) * amount;
            if (request_.full)
                group.incomeCharacters += lineItemLength(amount);
        } else {
            group.expense -= MoneySum(amount);
            ++group.expenseCount;
            monthExpense_[size_t(month - 1)] -= MoneySum(group.multiplicity) * amount;
            if (request_.full)
                group.expenseCharacters += lineItemLength(-MoneySum(amount));
        }
        lowestMonth_ = std::min(lowestMonth_, month);
        highestMonth_ = std::max(highestMonth_, month);
    });

    // Each occurrence of a code in the selection brings its entries once more.
    for (size_t j = 0; j < selection_.size(); ++j) {
        const CodeGroup& group = groupOf(j);
        incomeTotal_ += group.income;
        expenseTotal_ += group.expense;
        incomeCount_ += group.incomeCount;
        expenseCount_ += group.expenseCount;
    }
}

void ReportWriter::writePanels()
{
    result_.incomePanel = QLatin1Char('(') + QString::number(incomeCount_) + QStringLiteral(" Items) Income = ")
        + money_.format(incomeTotal_) + QLatin1Char(' ');
    result_.expensePanel = QLatin1Char('(') + QString::number(expenseCount_) + QStringLiteral(" Items) Expense = ")
        + money_.format(-expenseTotal_) + QLatin1Char(' ');
}

void ReportWriter::writeHeading()
{
    QString printed;
    const QString today = todayText(request_.today);   // MM-DD-YYYY
    if (request_.dateFlag == u'A')
        printed = today;
    else if (request_.dateFlag == u'E')
        printed = today.mid(3, 3) + today.left(3) + today.mid(6);
    lines_.append(QStringLiteral("Cashflow Record for ") + request_.userName + QStringLiteral("   Printed: ") + printed);
    lines_.append(kRule);

    const QString year = QLatin1Char('/') + QFileInfo(request_.dataFileName).fileName().mid(2, 2);
    lines_.append(QStringLiteral("Searched the period:  ") + QString::number(request_.startMonth) + year
                  + QStringLiteral(" through ") + QString::number(request_.endMonth) + year
                  + QStringLiteral(", inclusive."));
    lines_.append(QStringLiteral("Records found span :  ") + QString::number(lowestMonth_) + year
                  + QStringLiteral(" through ") + QString::number(highestMonth_) + year
                  + QStringLiteral(", inclusive."));
    lines_.append(kRule);
    lines_.append(kBlankLine);
}

void ReportWriter::writeSummary(bool expense)
{
    lines_.append(expense ? QStringLiteral(" --- Summary of money that went OUT ---")
                          : QStringLiteral(" --- Summary of money that came IN ---"));
    lines_.append(kBlankLine);
    lines_.append(kSummaryColumns);
    lines_.append(kBlankLine);

    const MoneySum total = expense ? expenseTotal_ : incomeTotal_;
    auto subtotal = [&](size_t j) {
        const CodeGroup& group = groupOf(j);
        return MoneySum(group.multiplicity) * (expense ? group.expense : group.income);
    };

    MoneySum largest = 0;
    for (size_t j = 0; j < selection_.size(); ++j)
        largest = std::max(largest, subtotal(j));
    // Shares are rounded to ten-thousandths, so percentages are kept in hundredths.
    // With nothing in the section (0 / 0) the largest share stays 0 and no line follows.
    const MoneySum largestPercent = reportShare(largest, total);

    for (size_t j = 0; j < selection_.size(); ++j) {
        const MoneySum s = subtotal(j);
        if (s == 0)
            continue;
        const MoneySum percent = reportShare(s, total);
        if (largestPercent != 0)
            bar_ = divideHalfEven(kLongestBar * percent, largestPercent);
        const QString percentText = percentField(percent);
        LineBuilder(lines_, CategoryRecord::kNameSize + LineBuilder::paddedSize(money_) + 3 + percentText.size() + 4
                                + qsizetype(bar_))
            .put(selection_[j].name)
            .putPadded(money_, s)
            .put(QLatin1StringView("  ("))
            .put(percentText)
            .put(QLatin1StringView("%)  "))
            .putRepeated(u'|', qsizetype(bar_));
    }
    lines_.append(kBlankLine);
}

void ReportWriter::writeBalance()
{
    if (incomeTotal_ > expenseTotal_) {
        const MoneySum surplus = incomeTotal_ - expenseTotal_;
        result_.balancePanel = QStringLiteral("Balance = ") + money_.format(surplus) + QLatin1Char(' ');
        addAmountLine(QLatin1StringView("A SURPLUS of    "), surplus);
    } else if (incomeTotal_ < expenseTotal_) {
        const MoneySum deficit = -(expenseTotal_ - incomeTotal_);
        result_.balancePanel = QStringLiteral("Balance = ") + money_.format(deficit) + QLatin1Char(' ');
        addAmountLine(QLatin1StringView("A DEFICIT of    "), deficit);
    }
}

void ReportWriter::writeOpenItems()
{
    bool any = false;
    for (size_t j = 0; j < selection_.size() && !any; ++j)
        any = !groupOf(j).openRecords.empty();
    if (!any)
        return;
    lines_.append(kBlankLine);
    lines_.append(kRule);
    lines_.append(kBlankLine);
    lines_.append(QStringLiteral(" --- Open Items ---"));
    lines_.append(kBlankLine);
    lines_.append(QStringLiteral(" Date         Cat   Note"));
    lines_.append(kBlankLine);
    for (size_t j = 0; j < selection_.size(); ++j) {
        for (const quint32 i : groupOf(j).openRecords) {
            const char* record = recordAt(i);
            LineBuilder(lines_, 1 + LedgerEntry::kDateSize + 3 + LedgerEntry::kCodeSize + 2 + LedgerEntry::kNoteSize)
                .put(u' ')
                .putField(dateOf(record), LedgerEntry::kDateSize)
                .put(QLatin1StringView("   "))
                .putField(codeOf(record), LedgerEntry::kCodeSize)
                .put(QLatin1StringView("  "))
                .putField(noteOf(record), LedgerEntry::kNoteSize);
        }
    }
}

// The line items are laid out here, section by section, and written later
// in one pass over the year file (fillLineItems): the file is then read in
// order rather than category by category.
void ReportWriter::writeLineItems(bool expense)
{
    std::vector<bool> laidOut(groups_.size(), false);
    for (size_t j = 0; j < selection_.size(); ++j) {
        CodeGroup& group = groups_[groupIndex_[j]];
        const qint64 count = expense ? group.expenseCount : group.incomeCount;
        if (count == 0)
            continue;
        lines_.append(kBlankLine);
        LineBuilder(lines_, 11 + CategoryRecord::kNameSize)
            .put(QLatin1StringView(" Category: "))
            .put(selection_[j].name);
        lines_.append(kBlankLine);
        // The code's entries stand in the work file once per occurrence in the
        // selection; a later occurrence of a code repeats its lines once more.
        const qsizetype characters = expense ? group.expenseCharacters : group.incomeCharacters;
        qsizetype& next = expense ? group.nextExpenseLine : group.nextIncomeLine;
        for (int copy = 0; copy < group.multiplicity; ++copy) {
            const qsizetype first = lines_.addBlock(count, characters);
            if (!laidOut[groupIndex_[j]] && copy == 0)
                next = first;
            else
                copies_.push_back({next, first, count});
        }
        laidOut[groupIndex_[j]] = true;
    }
}

void ReportWriter::fillLineItems()
{
    forEachTakenRecord([this](qsizetype, const char* record, CodeGroup& group, int) {
        const Money amount = amountOf(record);
        if (amount == 0)
            return;
        qsizetype& line = amount > 0 ? group.nextIncomeLine : group.nextExpenseLine;
        lines_.setLineEnd(line, writeLineItem(lines_.lineStart(line), record, money_, amount > 0 ? amount : -MoneySum(amount)));
        ++line;
    });
    for (const Copy& c : copies_)
        lines_.copyLines(c.from, c.to, c.count);
}

void removeReportFiles(Env& env, const QString& selectionFileName)
{
    for (const QString& name : {selectionFileName, kExpenseWorkName, kIncomeWorkName, kOpenItemsWorkName}) {
        const QString actual = resolveFileName(env, name);
        if (env.fileExists(actual))
            env.removeFile(actual);
    }
}

} // namespace

MoneySum reportShare(MoneySum subtotal, MoneySum total)
{
    return total > 0 ? divideHalfEven(subtotal * kMoneyScale, total) : 0;
}

QString shareText(MoneySum hundredths)
{
    QString text = QString::number(qint64(hundredths / 100));
    const int fraction = int(hundredths % 100);
    if (fraction != 0) {
        text += QLocale().decimalPoint();
        text += QChar(u'0' + fraction / 10);
        if (fraction % 10 != 0)
            text += QChar(u'0' + fraction % 10);
    }
    return text;
}

Result<ReportTotals> reportTotals(Env& env, const std::vector<CategoryRecord>& chosen, const ReportRequest& request)
{
    ReportResult unused;
    ReportTotals totals;
    ReportWriter writer(request, &unused);
    if (Status read = writer.total(env, chosen, &totals); !read)
        return read;
    return totals;
}

ReportResult makeReport(Env& env, const ReportRequest& request)
{
    ReportResult result;
    {
        ReportWriter writer(request, &result);
        result.status = writer.build(env);
    }
    if (!result.status) {
        result.lines.clear();
        result.incomePanel.clear();
        result.expensePanel.clear();
        result.balancePanel.reset();
    }
    removeReportFiles(env, request.selectionFileName);
    return result;
}

ReportResult viewReport(Env& env, const std::vector<CategoryRecord>& chosen, const ReportRequest& request)
{
    const Status written = makeRepCatFile(env, chosen, request.selectionFileName);
    if (!written) {
        removeReportFiles(env, request.selectionFileName);
        ReportResult result;
        result.status = written;
        return result;
    }
    return makeReport(env, request);
}

} // namespace cw
