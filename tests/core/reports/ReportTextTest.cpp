// The report's line buffer: lines kept whole as it grows past its first
// pages, copies that own their text, and lines written in place.

#include "core/reports/ReportText.h"

#include <gtest/gtest.h>

namespace {

QString lineNumber(int i) { return QStringLiteral("line %1 ").arg(i) + QString(i % 90, QChar(u'a' + i % 26)); }

TEST(ReportLines, EveryLineSurvivesTheBufferGrowing)
{
    cw::ReportText text;
    for (int i = 0; i < 20000; ++i)   // some megabytes, several regrowths
        text.append(lineNumber(i));
    text.append(QString());
    ASSERT_EQ(text.size(), 20001);
    for (int i = 0; i < 20000; i += 997)
        EXPECT_EQ(text.line(i).toString(), lineNumber(i));
    EXPECT_EQ(text.line(19999).toString(), lineNumber(19999));
    EXPECT_TRUE(text.line(20000).isEmpty());
    EXPECT_TRUE(text.contains(lineNumber(19999)));
    EXPECT_FALSE(text.contains(QStringLiteral("line 20000")));
    cw::ReportText two;
    two.append(QStringLiteral("first"));
    two.append(QStringLiteral("last"));
    EXPECT_TRUE(two.contains(u"last"));
}

TEST(ReportLines, LinesWrittenInPlaceEndWhereTheWriterStopped)
{
    cw::ReportText text;
    char16_t* at = text.beginLine(80);
    for (char16_t c : u"abc")
        if (c != 0)
            *at++ = c;
    text.endLine(at);
    text.endLine(text.beginLine(10));   // an empty line
    text.append(u"xyz");
    EXPECT_EQ(text.toStringList(), (QStringList{"abc", "", "xyz"}));
}

TEST(ReportLines, CopiesAndMovesOwnTheirText)
{
    const QStringList lines{"Cashflow Record for Pat", "", " 03-10-98  $5.00           \tCaf\u00e9 \u20ac"};
    cw::ReportText original = cw::ReportText::fromLines(lines);
    cw::ReportText copy = original;
    original.clear();
    original.append(u"changed");
    EXPECT_EQ(copy.toStringList(), lines);
    EXPECT_TRUE(copy.contains(u""));
    EXPECT_FALSE(copy.contains(u"changed"));

    cw::ReportText moved = std::move(copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(moved, cw::ReportText::fromLines(lines));
    copy = moved;   // a moved-from text takes a copy again
    EXPECT_EQ(copy, moved);
}

} // namespace
