// The reports window's rules without its widgets: the month buttons and the
// resize rules.

#include "core/reports/ReportWindowRules.h"

#include <gtest/gtest.h>

using namespace cw;

TEST(ReportMonths, StartAndEndWrapAndPushTheOtherEnd)
{
    MonthRange r;
    const auto press = [&r](const char* keys) {
        for (const char* k = keys; *k; ++k)
            *k == 'S' ? pushStartMonth(r) : pullEndMonth(r);
        return QStringLiteral("%1-%2").arg(r.start).arg(r.end);
    };
    EXPECT_EQ(press("SSS"), "4-12");
    EXPECT_EQ(press("EEEEEEEE"), "4-4");
    EXPECT_EQ(press("E"), "3-3");   // the start follows the end back
    EXPECT_EQ(press("EE"), "1-1");
    EXPECT_EQ(press("E"), "1-12");   // from January the end wraps to December; the start stays
    EXPECT_EQ(press("SSSSSSSSSS"), "11-12");
    EXPECT_EQ(press("S"), "12-12");
    EXPECT_EQ(press("S"), "1-12");   // from December the start wraps to January; the end stays
    EXPECT_EQ(reportTypeText(true) + '|' + reportTypeText(false), "Full Report|Summary");
}

TEST(ReportResize, TheListFollowsOnlyAboveTheMinimumHeight)
{
    ReportLayout l;
    l.outerWidth = 9100, l.innerWidth = 9000, l.innerHeight = 6000;
    l.toolbarHeight = 600, l.resultsBarHeight = 300, l.settingsBarHeight = 300;
    l.listHeight = 1234;
    for (const auto& [outerHeight, listHeight] : {std::pair(2170, 1234), {2171, 4800}}) {
        l.outerHeight = outerHeight;
        applyReportResizeRules(l);
        EXPECT_EQ(l.listHeight, listHeight) << outerHeight;
    }
    EXPECT_EQ(l.listWidth, 9000);
    EXPECT_EQ(l.toolbarButtonWidth, 750);
}
