#include "ReportWindowRules.h"

namespace cw {

void pushStartMonth(MonthRange& range)
{
    if (++range.start > 12)
        range.start = 1;
    if (range.start > range.end)
        range.end = range.start;
}

void pullEndMonth(MonthRange& range)
{
    if (--range.end < 1)
        range.end = 12;
    if (range.end < range.start)
        range.start = range.end;
}

QString reportTypeText(bool full) { return full ? QStringLiteral("Full Report") : QStringLiteral("Summary"); }

void applyReportResizeRules(ReportLayout& l)
{
    constexpr int kMinHeightForList = 2170;
    constexpr int kButtonMargin = 100;

    l.listWidth = l.innerWidth;
    if (l.outerHeight > kMinHeightForList)
        l.listHeight = l.innerHeight - (l.toolbarHeight + l.resultsBarHeight + l.settingsBarHeight);
    l.toolbarButtonWidth = (l.outerWidth - kButtonMargin) / ReportLayout::kToolbarButtons;
}

} // namespace cw
