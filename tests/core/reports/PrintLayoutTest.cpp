#include "core/reports/PrintLayout.h"

#include <gtest/gtest.h>

namespace {

cw::ReportText numbered(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return cw::ReportText::fromLines(lines);
}

// Three empty lines, then report lines from..to (1-based), six blanks in.
QStringList page(int from, int to)
{
    QStringList out{QString(), QString(), QString()};
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("      line %1").arg(i);
    return out;
}

} // namespace

TEST(PrintLayout, SixtyFourLinesAPageBelowThreeEmptyLines)
{
    const auto docs = cw::layoutPrint(numbered(130), 1);
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].size(), 3u);
    EXPECT_EQ(docs[0][0], page(1, 64));
    EXPECT_EQ(docs[0][1], page(65, 128));
    EXPECT_EQ(docs[0][2], page(129, 130));
}

TEST(PrintLayout, AReportThatFillsItsPageLeavesNoEmptyPage)
{
    const auto docs = cw::layoutPrint(numbered(64), 1);
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].size(), 1u);
    EXPECT_EQ(docs[0][0], page(1, 64));

    const auto two = cw::layoutPrint(numbered(65), 1);
    ASSERT_EQ(two[0].size(), 2u);
    EXPECT_EQ(two[0][1], page(65, 65));
}

TEST(PrintLayout, LineCountRunsOnIntoTheNextCopy)
{
    const auto docs = cw::layoutPrint(numbered(130), 2);
    ASSERT_EQ(docs.size(), 2u);
    // The first copy ends with two lines on its last page; the second copy's
    // first page closes after 62.
    ASSERT_EQ(docs[1].size(), 3u);
    EXPECT_EQ(docs[1][0], page(1, 62));
    EXPECT_EQ(docs[1][1], page(63, 126));
    EXPECT_EQ(docs[1][2], page(127, 130));
}

TEST(PrintLayout, EmptyReportPrintsThreeEmptyLinesPerCopy)
{
    const auto docs = cw::layoutPrint({}, 2);
    ASSERT_EQ(docs.size(), 2u);
    for (const auto& doc : docs) {
        ASSERT_EQ(doc.size(), 1u);
        EXPECT_EQ(doc[0], (QStringList{QString(), QString(), QString()}));
    }
}

TEST(PrintLayout, LinesAreSentAsTheyAreTabIncluded)
{
    const auto docs = cw::layoutPrint(cw::ReportText::fromLines({" 03-10-98  $75.00          \tGroceries"}), 1);
    EXPECT_EQ(docs[0][0].at(3), "       03-10-98  $75.00          \tGroceries");
}

namespace {
class FailingSink : public cw::PrintSink {
public:
    int printed = 0;
    int failAt;
    bool ended = false;
    explicit FailingSink(int at) : failAt(at) {}
    bool beginDocument() override { return true; }
    bool newPage() override { return true; }
    bool printLine(const QString&) override { return ++printed != failAt; }
    bool endDocument() override { return ended = true; }
};
} // namespace

TEST(PrintLayout, SinkFailureStopsAtOnce)
{
    FailingSink sink(10);
    std::vector<qsizetype> selected;
    EXPECT_FALSE(cw::printReportLines(numbered(100), 3, sink, [&](qsizetype i) { selected.push_back(i); }));
    EXPECT_EQ(sink.printed, 10);
    EXPECT_FALSE(sink.ended);
    EXPECT_EQ(selected.size(), 7u);   // three empty lines, then report lines 0..6
    EXPECT_EQ(selected.back(), 6);
}

TEST(PrintLayout, TabsMoveToTheNextStopOfEightColumns)
{
    // A line item: the tab after the padded amount (column 27) reaches 32.
    const QString item = QStringLiteral(" 03-10-98  $75.00          \tGroceries");
    EXPECT_EQ(cw::expandTabs(item), QStringLiteral(" 03-10-98  $75.00          ") + QString(5, u' ') + "Groceries");
    EXPECT_EQ(cw::expandTabs(QStringLiteral("12345678\tX")), QStringLiteral("12345678        X"));
    EXPECT_EQ(cw::expandTabs(QStringLiteral("\t\tX")), QString(16, u' ') + u'X');
    EXPECT_EQ(cw::expandTabs(QStringLiteral("no tab")), QStringLiteral("no tab"));
}
