#include "core/entries/WordMatch.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

bool hits(const char* search, const char* note)
{
    return noteHolds(findSearchText(QString::fromUtf8(search)), QString::fromUtf8(note));
}

TEST(WordMatch, StartOfAWordOrItsSecondCharacter)
{
    EXPECT_TRUE(hits("tax", "Taxi to airport"));
    EXPECT_TRUE(hits("tax", "(tax refund)"));
    EXPECT_FALSE(hits("tax", "surtax"));
    EXPECT_TRUE(hits("axi", "Taxi to airport"));
    EXPECT_TRUE(hits("ax", "Taxi"));
    EXPECT_TRUE(hits("x", "(x)"));   // a one-letter word after a lead character
    EXPECT_TRUE(hits("car", "new carpet"));
    EXPECT_TRUE(hits("to", "Taxi to airport"));
    EXPECT_FALSE(hits("xi", "Taxi"));
    EXPECT_FALSE(hits("airports", "Taxi to airport"));
}

TEST(WordMatch, CaseAndBlanks)
{
    EXPECT_TRUE(hits("  TaX ", "  taxi  "));
    EXPECT_FALSE(hits("bus fare", "bus fare"));
    EXPECT_FALSE(hits("Note", ""));
    EXPECT_EQ(findSearchText(QStringLiteral("  bus fare ")), QStringLiteral("BUS FARE"));
}

TEST(WordMatch, EmptySearchTextHitsAtTheFirstInnerBlank)
{
    EXPECT_TRUE(wordMatch(u"", u"TAXI TO"));
    EXPECT_FALSE(wordMatch(u"", u"TAXI"));
}

} // namespace
} // namespace cw
