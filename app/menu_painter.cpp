#include "app/menu_painter.h"

#include "controls/image_list.h"
#include "util/bitmap.h"
#include "controls/menus.h"
#include "platform/platform.h"

namespace pv {

namespace {

constexpr unsigned kEntryText = TextFlag::SingleLine | TextFlag::VCenter;

unsigned StyleOf(const FontSpec& f) {
    return (f.Bold ? FontStyle::Bold : 0u) | (f.Italic ? FontStyle::Italic : 0u) |
           (f.Underline ? FontStyle::Underline : 0u);
}

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen.Color = color;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}
}  // namespace

TvdMenusPainter::TvdMenusPainter(Platform& platform) : platform_(platform) {
    FontSpec menu = platform_.System().MenuFont();
    FontName = menu.Name;
    FontSize = menu.Size;
}

TColor TvdMenusPainter::Sys(int index) const { return platform_.System().SysColor(index); }

int TvdMenusPainter::FindBarItem(TMenuItem* entry) const {
    TMenuItem* level = entry ? entry->Parent() : nullptr;
    if (!level) return -1;
    for (int i = 0; i < level->Count(); ++i) {
        TMenuItem* child = level->Items(i);
        if (child->Visible) return -1;
        if (!UseMenuFont && (child->Tag == BarTag || child->Tag == BarTag2)) return i;
    }
    return -1;
}

int TvdMenusPainter::BarHeight(TMenuItem* level) const {
    int height = 0;
    for (int i = 0; level && i < level->Count(); ++i) {
        TMenuItem* child = level->Items(i);
        if (child->Visible) height += Scale(child->Tag == SeparatorTag ? kSeparatorHeight : kItemHeight);
    }
    return height;
}

// A Default entry is bold on top of the chosen style, in measuring and in drawing alike,
// so that the width measured is the width drawn.
unsigned TvdMenusPainter::EntryStyle(TMenuItem* entry) const {
    return FontStyle | (entry->Default ? FontStyle::Bold : 0u);
}

void TvdMenusPainter::MeasureItem(TMenuItem* entry, TCanvas& canvas, int& width, int& height) {
    canvas.Font.Name = FontName;
    canvas.Font.Size = FontSize;
    canvas.Font.Style = EntryStyle(entry);
    canvas.Font.Escapement = 0;
    width = canvas.TextWidth(entry->Caption) + Scale(FindBarItem(entry) >= 0 ? 45 : 23);
    // Room for the submenu arrow.
    if (entry->Count() > 0) width += Scale(7);
    height = Scale(kItemHeight);
}

void TvdMenusPainter::DrawItem(TMenuItem* entry, TCanvas& canvas, TRect rect, bool selected, TImageList* images) {
    int x0 = Offset(entry);
    bool enabled = entry->Enabled;
    bool hasImage = entry->ImageIndex >= 0;
    int bottom = rect.Bottom;

    canvas.Font.Name = FontName;
    canvas.Font.Size = FontSize;
    canvas.Font.Color = Sys(SysColorIndex::MenuText);
    canvas.Font.Style = EntryStyle(entry);
    canvas.Font.Escapement = 0;

    // The picture's frame: 18 x 19 at 96 DPI, one pixel in from the left and the bottom.
    int frameLeft = x0 + Scale(1), frameRight = x0 + Scale(18), frameTop = bottom - Scale(19);
    // The picture in the middle of the frame, at the small-icon size: the list's sharp copy
    // at that size where it holds one, else its picture scaled.
    if (hasImage && images && entry->ImageIndex < images->Count()) {
        int size = IconSize();
        int x = (frameLeft + frameRight + 1 - size) / 2, y = (frameTop + bottom - size) / 2;
        if (images->Width() == size && images->Height() == size)
            images->Draw(canvas, x, y, entry->ImageIndex, enabled);
        else
            canvas.Draw(x, y, images->ImageAt(entry->ImageIndex, size), !enabled);
    }

    // Unselected, the frame is drawn in the menu colour to erase one left by an earlier
    // selection of the same entry.
    bool raised = hasImage && selected;
    TColor light = raised ? Sys(SysColorIndex::BtnHighlight) : Sys(SysColorIndex::Menu);
    TColor dark = raised ? Sys(SysColorIndex::BtnShadow) : Sys(SysColorIndex::Menu);
    Line(canvas, light, frameLeft, frameTop, frameRight, frameTop);
    Line(canvas, light, frameLeft, frameTop, frameLeft, bottom - 1);
    Line(canvas, dark, frameRight, frameTop, frameRight, bottom - 1);
    Line(canvas, dark, frameLeft, bottom - 1, frameRight + 1, bottom - 1);

    canvas.Brush.Clear = false;
    canvas.Brush.Color = selected && enabled ? Sys(SysColorIndex::Highlight) : Sys(SysColorIndex::Menu);
    canvas.FillRect(TRect{hasImage ? x0 + Scale(20) : x0, rect.Top, rect.Right, rect.Bottom});

    // The caption goes over the fill without a background of its own: the embossed
    // caption of a disabled entry is two draws, and the second must not cover the first.
    canvas.Brush.Clear = true;
    TRect text{x0 + Scale(23), rect.Top, rect.Right, rect.Bottom};
    if (enabled) {
        canvas.Font.Color = selected ? Sys(SysColorIndex::HighlightText) : Sys(SysColorIndex::MenuText);
        canvas.DrawText(entry->Caption, text, kEntryText);
    } else {
        canvas.Font.Color = Sys(SysColorIndex::BtnHighlight);
        canvas.DrawText(entry->Caption, TRect{text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1},
                        kEntryText);
        canvas.Font.Color = Sys(SysColorIndex::BtnShadow);
        canvas.DrawText(entry->Caption, text, kEntryText);
    }
    canvas.Brush.Clear = false;

    DrawBarOf(entry, canvas);
}

void TvdMenusPainter::DrawHeading(TMenuItem* entry, TCanvas& canvas, bool, TRect rect) {
    int x0 = Offset(entry);
    rect.Left += x0;

    if (UseMenuFont) {
        FontSpec menu = platform_.System().MenuFont();
        canvas.Font.Name = menu.Name;
        canvas.Font.Size = menu.Size;
        canvas.Font.Style = StyleOf(menu);
    } else {
        canvas.Font.Name = FontName;
        canvas.Font.Size = FontSize;
        canvas.Font.Style = FontStyle;
    }
    canvas.Font.Escapement = 0;
    canvas.Brush.Clear = false;
    canvas.Brush.Color = Sys(SysColorIndex::Menu);
    canvas.FillRect(rect);

    // The etched line runs through the middle of the row.
    int etch = rect.Bottom - Scale(10);
    Line(canvas, Sys(SysColorIndex::BtnShadow), x0, etch, rect.Right, etch);
    Line(canvas, Sys(SysColorIndex::BtnHighlight), x0, etch + 1, rect.Right, etch + 1);

    // The caption sits on the menu colour, so it interrupts the etched line. Its
    // accelerator marks are taken out here rather than left to the system's hide-prefix
    // flag, which not every system honours; what remains is drawn as it stands.
    canvas.Font.Color = Sys(SysColorIndex::MenuText);
    canvas.DrawText(StripAccelerators(entry->Caption), rect, kEntryText | TextFlag::Center | TextFlag::NoPrefix);

    DrawBarOf(entry, canvas);
}

void TvdMenusPainter::DrawBarOf(TMenuItem* entry, TCanvas& canvas) {
    int bar = FindBarItem(entry);
    if (bar >= 0) DrawBar(entry, entry->Parent()->Items(bar)->Caption, canvas);
}

void TvdMenusPainter::DrawBar(TMenuItem* entry, const std::string& caption, TCanvas& canvas) {
    if (!entry || !entry->Parent()) return;
    int h = BarHeight(entry->Parent());

    canvas.Brush.Clear = false;
    canvas.Brush.Color = Sys(SysColorIndex::InactiveCaption);
    int barWidth = Scale(kBarOffset);
    canvas.FillRect(TRect{0, 0, barWidth - 1, h - 1});

    // The rotated font is derived from the canvas's current one and given back afterwards,
    // so the entry drawing that follows in the same canvas is not turned.
    TFont previous = canvas.Font;
    canvas.Font.Color = Sys(SysColorIndex::InactiveCaptionText);
    canvas.Font.Style = 0;
    canvas.Font.Name = FontName;
    canvas.Font.Size = FontSize;
    canvas.Font.Escapement = 900;
    // A caption entry may have been given an accelerator like any other entry; the bar
    // shows the plain words.
    std::string shown = StripAccelerators(caption);
    int textHeight = canvas.TextHeight(shown);
    canvas.TextRect(TRect{0, 0, barWidth, h}, (barWidth - textHeight) / 2, h - Scale(4), shown);
    canvas.Font = previous;
}

}  // namespace pv
