#include "platform/sim/sim_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/sim/sim_platform.h"
#include "util/encoding.h"
#include "util/exception.h"

namespace pv::sim {

namespace {

TRect Intersect(const TRect& a, const TRect& b) {
    return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
}

// One character per cell: a surrogate pair is one character.
std::u16string Characters(const std::string& utf8) {
    std::u16string units = Utf8ToUtf16(utf8), out;
    for (size_t i = 0; i < units.size(); ++i) {
        bool pair = units[i] >= 0xD800 && units[i] < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                    units[i + 1] < 0xE000;
        out.push_back(pair ? units[i++] : units[i]);
    }
    return out;
}

struct PrefixedText {
    std::string Shown;
    int Underlined = -1;
};

// The system's prefix rule: "&x" shows x underlined (the last such mark wins), "&&" shows
// one "&", a trailing "&" shows nothing.
PrefixedText ResolvePrefix(const std::string& text, bool underline) {
    PrefixedText r;
    int shown = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 >= text.size()) break;
            if (text[i + 1] == '&') {
                r.Shown += '&';
                ++i;
                ++shown;
                continue;
            }
            if (underline) r.Underlined = shown;
            continue;
        }
        r.Shown += text[i];
        // Continuation bytes of UTF-8 do not start a character of their own.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++shown;
    }
    return r;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    return lines;
}

}  // namespace

SimBitmapCanvas::SimBitmapCanvas(int width, int height, TColor fill)
    : raster_(TBitmap32::Create(width, height, ColorRefToArgb(fill))) {}

void SimBitmapCanvas::SetFont(const FontSpec& font, int escapement) {
    font_ = font;
    escapement_ = escapement;
}

void SimBitmapCanvas::SetTextBackground(TColor color, bool opaque) {
    background_ = color;
    opaque_ = opaque;
}

TColor SimBitmapCanvas::ColorAt(int x, int y) const { return ArgbToColorRef(raster_.Pixel(x, y)); }

void SimBitmapCanvas::Plot(int x, int y, TColor color, const TRect& clip) {
    if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom || !raster_.Contains(x, y)) return;
    raster_.Pixels[static_cast<size_t>(y) * raster_.Width + x] = ColorRefToArgb(color);
}

void SimBitmapCanvas::FillClipped(TRect rect, TColor color, const TRect& clip) {
    rect = Intersect(Intersect(rect, clip), Bounds());
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) raster_.Pixels[static_cast<size_t>(y) * raster_.Width + x] =
            ColorRefToArgb(color);
}

void SimBitmapCanvas::LineTo(int x, int y) {
    // Bresenham from the current position; the end point itself is left out.
    int cx = pos_.X, cy = pos_.Y;
    int dx = std::abs(x - cx), dy = -std::abs(y - cy);
    int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
    int err = dx + dy;
    while (cx != x || cy != y) {
        Plot(cx, cy, penColor_, Bounds());
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
    pos_ = TPoint{x, y};
}

void SimBitmapCanvas::FillRect(const TRect& rect, TColor color) { FillClipped(rect, color, Bounds()); }

TSize SimBitmapCanvas::TextExtent(const std::string& text) {
    return TSize{static_cast<int>(Characters(text).size()) * CellWidth(), LineHeight()};
}

TRect SimBitmapCanvas::CellBox(int x, int y, int cell, const TRect& box) const {
    int along = cell * CellWidth();
    if (!Upward()) return TRect{x + along + box.Left, y + box.Top, x + along + box.Right, y + box.Bottom};
    return TRect{x + box.Top, y - along - box.Right, x + box.Bottom, y - along - box.Left};
}

void SimBitmapCanvas::DrawRun(int x, int y, const std::u16string& chars, int underlined, const TRect& clip) {
    int w = CellWidth(), h = LineHeight();
    for (int i = 0; i < static_cast<int>(chars.size()); ++i) {
        if (opaque_) FillClipped(CellBox(x, y, i, TRect{0, 0, w, h}), background_, clip);
        if (chars[static_cast<size_t>(i)] != u' ') FillClipped(CellBox(x, y, i, SimGlyphBox(w, h)), textColor_, clip);
        if (i == underlined) {
            int row = SimUnderlineRow(h);
            FillClipped(CellBox(x, y, i, TRect{0, row, w, row + 1}), textColor_, clip);
        }
    }
}

void SimBitmapCanvas::DrawText(const std::string& text, const TRect& rect, unsigned flags) {
    bool noPrefix = (flags & TextFlag::NoPrefix) != 0;
    bool underline = !noPrefix && (flags & TextFlag::HidePrefix) == 0;
    bool single = (flags & TextFlag::SingleLine) != 0;
    TRect clip = (flags & TextFlag::NoClip) ? Bounds() : rect;
    std::vector<std::string> lines = single ? std::vector<std::string>{text} : SplitLines(text);
    int h = LineHeight();
    for (size_t n = 0; n < lines.size(); ++n) {
        PrefixedText shown = noPrefix ? PrefixedText{lines[n], -1} : ResolvePrefix(lines[n], underline);
        std::u16string chars = Characters(shown.Shown);
        int width = static_cast<int>(chars.size()) * CellWidth();
        int x = rect.Left;
        if (flags & TextFlag::Center)
            x = (rect.Left + rect.Right - width) / 2;
        else if (flags & TextFlag::Right)
            x = rect.Right - width;
        int y = rect.Top + static_cast<int>(n) * h;
        if (single && (flags & TextFlag::VCenter)) y = (rect.Top + rect.Bottom - h) / 2;
        DrawRun(x, y, chars, shown.Underlined, clip);
        texts_.push_back({shown.Shown, x, y, font_, escapement_, textColor_, opaque_, background_, clip,
                          shown.Underlined});
    }
}

void SimBitmapCanvas::TextRect(const TRect& clip, int x, int y, const std::string& text) {
    DrawRun(x, y, Characters(text), -1, clip);
    texts_.push_back({text, x, y, font_, escapement_, textColor_, opaque_, background_, clip, -1});
}

void SimBitmapCanvas::DrawBitmap(int x, int y, const TBitmap32& image, bool greyed) {
    BlendOnto(raster_, greyed ? Greyed(image) : image, x, y);
}

std::unique_ptr<IBitmapCanvas> SimUserInterface::CreateBitmapCanvas(int width, int height, TColor fill) {
    return std::make_unique<SimBitmapCanvas>(width, height, fill);
}

}  // namespace pv::sim
