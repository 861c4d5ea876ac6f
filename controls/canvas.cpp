#include "controls/canvas.h"

namespace pv {

namespace {
FontSpec SpecOf(const TFont& f) {
    FontSpec s;
    s.Name = f.Name;
    s.Size = f.Size;
    s.Bold = (f.Style & FontStyle::Bold) != 0;
    s.Italic = (f.Style & FontStyle::Italic) != 0;
    s.Underline = (f.Style & FontStyle::Underline) != 0;
    return s;
}
}  // namespace

// The surface is told the whole state before every operation, so code that changes the
// font, pen or brush fields directly is always drawn with what it set.
void TCanvas::ApplyFont() { surface_.SetFont(SpecOf(Font), Font.Escapement); }

void TCanvas::ApplyText() {
    ApplyFont();
    surface_.SetTextColor(Font.Color);
    surface_.SetTextBackground(Brush.Color, !Brush.Clear);
}

void TCanvas::MoveTo(int x, int y) { surface_.MoveTo(x, y); }

void TCanvas::LineTo(int x, int y) {
    surface_.SetPenColor(Pen.Color);
    surface_.LineTo(x, y);
}

void TCanvas::FillRect(const TRect& rect) {
    if (!Brush.Clear) surface_.FillRect(rect, Brush.Color);
}

TSize TCanvas::TextExtent(const std::string& text) {
    ApplyFont();
    return surface_.TextExtent(text);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    ApplyText();
    // Text is not cut off: turned text runs upward from its start point, outside the
    // rectangle its extent would give.
    surface_.TextRect(TRect{-32768, -32768, 32767, 32767}, x, y, text);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const std::string& text) {
    ApplyText();
    surface_.TextRect(clip, x, y, text);
}

void TCanvas::DrawText(const std::string& text, const TRect& rect, unsigned flags) {
    ApplyText();
    surface_.DrawText(text, rect, flags);
}

void TCanvas::Draw(int x, int y, const TBitmap32& image, bool greyed) { surface_.DrawBitmap(x, y, image, greyed); }

}  // namespace pv
