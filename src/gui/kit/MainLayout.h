#pragma once
// The main window's resize rules, in twips (15 to a pixel), over the client
// area below the menu bar: the toolbar on top, the two status bars at the
// bottom, the entry list filling the rest but for the category list at its
// right, the entry editor panel centred.

namespace cw {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int toTwips(int pixels) { return pixels * kTwipsPerPixel; }
// Rounded to the nearest pixel.
int toPixels(int twips);

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct MainLayout {
    static constexpr int kToolbarButtons = 9;

    int innerWidth = 0, innerHeight = 0;
    int toolbarHeight = 0, totalsBarHeight = 0, countBarHeight = 0;
    TwipRect itemList, catList, fullYear, entryEditor;
    int toolbarButtonWidth = 0;
};

// Form_Resize: widths follow only while the entry list keeps a positive
// width, heights only while the client area is more than 2265 twips high.
void applyResizeRules(MainLayout& layout);

} // namespace cw
