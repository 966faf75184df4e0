#include "MainLayout.h"

#include <cmath>

namespace cw {

int toPixels(int twips) { return int(std::lround(double(twips) / kTwipsPerPixel)); }

void applyResizeRules(MainLayout& l)
{
    constexpr int kRightMargin = 100;
    constexpr int kMinHeightForLists = 2265;
    constexpr int kFullYearLeftOffset = 15;
    constexpr int kFullYearTopOffset = 330;

    l.itemList.top = l.toolbarHeight;
    l.catList.top = l.itemList.top + l.fullYear.height;
    l.entryEditor.left = (l.innerWidth - l.entryEditor.width) / 2;
    l.entryEditor.top = (l.innerHeight - l.entryEditor.height) / 2;
    if (l.innerWidth - l.catList.width - kRightMargin > 0)
        l.itemList.width = l.innerWidth - l.catList.width - kRightMargin;
    l.catList.left = l.itemList.left + l.itemList.width;
    l.fullYear.left = l.catList.left - kFullYearLeftOffset;
    l.fullYear.top = l.catList.top - kFullYearTopOffset;
    if (l.innerHeight > kMinHeightForLists) {
        l.itemList.height = l.innerHeight - l.toolbarHeight - l.totalsBarHeight - l.countBarHeight;
        l.catList.height = l.itemList.height - l.fullYear.height;
    }
    l.toolbarButtonWidth = (l.innerWidth - kRightMargin) / MainLayout::kToolbarButtons;
}

} // namespace cw
