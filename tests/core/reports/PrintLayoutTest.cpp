// The report's line buffer, its print layout, and the reports window's rules
// without its widgets: the month buttons and the resize rules.

#include "core/reports/PrintLayout.h"
#include "core/reports/ReportWindowRules.h"

#include <gtest/gtest.h>

namespace {

QString lineNumber(int i) { return QStringLiteral("line %1 ").arg(i) + QString(i % 90, QChar(u'a' + i % 26)); }

TEST(ReportLines, EveryLineSurvivesTheBufferGrowingOrWrittenInPlace)
{
    cw::ReportText text;
    for (int i = 0; i < 20000; ++i)   // some megabytes, several regrowths
        text.append(lineNumber(i));
    text.append(QString());
    ASSERT_EQ(text.size(), 20001);
    for (int i = 0; i < 20000; i += 997)
        EXPECT_EQ(text.line(i).toString(), lineNumber(i));
    EXPECT_TRUE(text.line(20000).isEmpty());
    EXPECT_TRUE(text.contains(lineNumber(19999)));
    EXPECT_FALSE(text.contains(QStringLiteral("line 20000")));
    EXPECT_TRUE(cw::ReportText::fromLines({"first", "last"}).contains(u"last"));
    cw::ReportText written;
    char16_t* at = written.beginLine(80);
    for (char16_t c : std::u16string(u"abc"))
        *at++ = c;
    written.endLine(at);
    written.endLine(written.beginLine(10));   // an empty line
    written.append(u"xyz");
    EXPECT_EQ(written.toStringList(), (QStringList{"abc", "", "xyz"}));
}

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

TEST(PrintLayout, SixtyFourLinesAPageAndCopiesRunOn)
{
    const auto one = cw::layoutPrint(numbered(130), 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (std::vector<QStringList>{page(1, 64), page(65, 128), page(129, 130)}));
    EXPECT_EQ(cw::layoutPrint(numbered(64), 1)[0], std::vector<QStringList>{page(1, 64)});   // no empty page after
    EXPECT_EQ(cw::layoutPrint(numbered(65), 1)[0], (std::vector<QStringList>{page(1, 64), page(65, 65)}));
    const auto two = cw::layoutPrint(numbered(130), 2);
    ASSERT_EQ(two.size(), 2u);   // the line count runs on into the next copy
    EXPECT_EQ(two[1], (std::vector<QStringList>{page(1, 62), page(63, 126), page(127, 130)}));
    for (const auto& doc : cw::layoutPrint({}, 2))   // an empty report: three empty lines a copy
        EXPECT_EQ(doc, std::vector<QStringList>{page(1, 0)});
    // Lines are sent as they are, tab included.
    EXPECT_EQ(cw::layoutPrint(cw::ReportText::fromLines({" 03-10-98  $75.00          \tGroceries"}), 1)[0][0].at(3),
              "       03-10-98  $75.00          \tGroceries");
}

class FailingSink : public cw::PrintSink {
public:
    int printed = 0;
    bool ended = false;
    bool beginDocument() override { return true; }
    bool newPage() override { return true; }
    bool printLine(const QString&) override { return ++printed != 10; }
    bool endDocument() override { return ended = true; }
};

TEST(PrintLayout, ASinkFailureStopsAtOnceAndTabsMoveToStopsOfEight)
{
    FailingSink sink;
    std::vector<qsizetype> selected;
    EXPECT_FALSE(cw::printReportLines(numbered(100), 3, sink, [&](qsizetype i) { selected.push_back(i); }));
    EXPECT_EQ(sink.printed, 10);
    EXPECT_FALSE(sink.ended);
    EXPECT_EQ(selected.size(), 7u);   // three empty lines, then report lines 0..6
    EXPECT_EQ(selected.back(), 6);
    // A line item: the tab after the padded amount (column 27) reaches 32.
    EXPECT_EQ(cw::expandTabs(" 03-10-98  $75.00          \tGroceries"), " 03-10-98  $75.00          " + QString(5, u' ') + "Groceries");
    EXPECT_EQ(cw::expandTabs("12345678\tX"), "12345678        X");
    EXPECT_EQ(cw::expandTabs("\t\tX"), QString(16, u' ') + u'X');
    EXPECT_EQ(cw::expandTabs("no tab"), "no tab");
}

TEST(ReportMonths, StartAndEndWrapAndPushTheOtherEnd)
{
    cw::MonthRange r;
    const auto press = [&r](const char* keys) {
        for (const char* k = keys; *k; ++k)
            *k == 'S' ? cw::pushStartMonth(r) : cw::pullEndMonth(r);
        return QStringLiteral("%1-%2").arg(r.start).arg(r.end);
    };
    EXPECT_EQ(press("SSS"), "4-12");
    EXPECT_EQ(press("EEEEEEEE"), "4-4");
    EXPECT_EQ(press("E"), "3-3");    // the start follows the end back
    EXPECT_EQ(press("EE"), "1-1");
    EXPECT_EQ(press("E"), "1-12");   // from January the end wraps to December; the start stays
    EXPECT_EQ(press("SSSSSSSSSSS"), "12-12");
    EXPECT_EQ(press("S"), "1-12");   // from December the start wraps to January; the end stays
    EXPECT_EQ(cw::reportTypeText(true) + '|' + cw::reportTypeText(false), "Full Report|Summary");
}

TEST(ReportResize, TheListFollowsOnlyAboveTheMinimumHeight)
{
    cw::ReportLayout l;
    l.outerWidth = 9100, l.innerWidth = 9000, l.innerHeight = 6000;
    l.toolbarHeight = 600, l.resultsBarHeight = 300, l.settingsBarHeight = 300;
    l.listHeight = 1234;
    for (const auto& [outerHeight, listHeight] : {std::pair(2170, 1234), {2171, 4800}}) {
        l.outerHeight = outerHeight;
        cw::applyReportResizeRules(l);
        EXPECT_EQ(l.listHeight, listHeight) << outerHeight;
    }
    EXPECT_EQ(l.listWidth + l.toolbarButtonWidth, 9000 + 750);
}

} // namespace
