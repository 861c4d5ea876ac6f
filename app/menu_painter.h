#pragma once
// The painter of the tray menu's owner-drawn entries: headings always, normal entries when
// the user has chosen a menu font of their own, and then also the vertical side bar with
// a caption beside a level that begins with an invisible bar entry. The main window owns
// one and forwards its draw and measure handlers to it; every entry is 19 pixels high at
// 96 DPI, and every length grows with the DPI of the screen the menu shows on.
#include <string>

#include "controls/canvas.h"

namespace pv {

class Platform;
class TImageList;
class TMenuItem;

class TvdMenusPainter {
public:
    // The font fields start as the system menu font; colours are read from the system at
    // every drawing, so a changed colour scheme shows at the next showing of the menu.
    explicit TvdMenusPainter(Platform& platform);
    TvdMenusPainter(const TvdMenusPainter&) = delete;
    TvdMenusPainter& operator=(const TvdMenusPainter&) = delete;

    std::string FontName;
    int FontSize = 8;          // points
    unsigned FontStyle = 0;    // FontStyle bits
    bool UseMenuFont = true;   // true: the system menu font, no side bar
    int BarTag = -9999;
    int BarTag2 = -8888;
    int SeparatorTag = -200;
    // The dots per inch the menu is drawn for; the menu's owner sets it before a showing.
    int Dpi = 96;

    static int GetItemHeight() { return kItemHeight; }
    // A length in pixels at 96 DPI, at the painter's DPI.
    int Scale(int pixels) const { return Dpi == 96 || Dpi <= 0 ? pixels : (pixels * Dpi + 48) / 96; }
    // The side of an entry's picture: the system's small-icon size at the painter's DPI.
    int IconSize() const { return Scale(16); }
    // The index of the invisible bar entry that opens the entry's level, or -1: only
    // before the level's first visible entry, and only with a font of the user's own.
    int FindBarItem(TMenuItem* entry) const;
    // The pixel height of a level as the menu shows it: 8 per visible separator, 19 per
    // other visible entry (at 96 DPI).
    int BarHeight(TMenuItem* level) const;

    void MeasureItem(TMenuItem* entry, TCanvas& canvas, int& width, int& height);
    void DrawItem(TMenuItem* entry, TCanvas& canvas, TRect rect, bool selected, TImageList* images);
    // A heading looks the same selected or not.
    void DrawHeading(TMenuItem* entry, TCanvas& canvas, bool selected, TRect rect);
    // The whole bar of the entry's level, repainted at every entry drawn.
    void DrawBar(TMenuItem* entry, const std::string& caption, TCanvas& canvas);

    static constexpr int kItemHeight = 19;
    static constexpr int kBarOffset = 20;     // entries move right by this beside a bar
    static constexpr int kSeparatorHeight = 8;

private:
    int Offset(TMenuItem* entry) const { return FindBarItem(entry) >= 0 ? Scale(kBarOffset) : 0; }
    void DrawBarOf(TMenuItem* entry, TCanvas& canvas);
    unsigned EntryStyle(TMenuItem* entry) const;
    TColor Sys(int index) const;

    Platform& platform_;
};

}  // namespace pv
