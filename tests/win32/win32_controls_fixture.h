#pragma once
// The child controls' peers under Windows (or Wine), for the tests of every family: a
// sink that writes down what reaches it, the window's state read back, what a window
// shows on the screen, and a form to put the controls on.
#include "platform/win32/win32_common.h"

#include <uxtheme.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/win32_platform.h"

namespace pv::testing {

using Events = std::vector<std::string>;

// Every family's sink at once, writing down what reaches it.
class Recorder final : public IFormSink,
                       public IButtonSink,
                       public IEditSink,
                       public IComboBoxSink,
                       public IScrollBoxSink,
                       public ISplitterSink,
                       public ITreeViewSink,
                       public IPageControlSink,
                       public IHotKeyEditSink {
public:
    Events Take() { return std::exchange(events_, {}); }

    void PeerMouseEnter() override {}
    // Entries are counted apart: showing a window moves the focus of its own accord.
    void PeerEnter() override { ++Enters; }
    void PeerCloseRequested() override {}
    void PeerPlacementChanged(const WindowPlacement&, bool, TSize) override {}
    bool PeerMessage(uint32_t, uintptr_t, intptr_t, intptr_t&) override { return false; }
    void PeerCancelKey() override { events_.push_back("cancel key"); }
    void PeerDefaultKey() override { events_.push_back("default key"); }
    void PeerDpiChanged(int dpi, const TRect& r) override {
        events_.push_back("dpi " + std::to_string(dpi) + " " + std::to_string(r.Left) + "," + std::to_string(r.Top) +
                          " " + std::to_string(r.Width()) + "x" + std::to_string(r.Height()));
    }
    bool PeerShortCut(uint32_t) override { return false; }
    void PeerTabChanged(int tab) override { events_.push_back("tab " + std::to_string(tab)); }
    void PeerHotKeyChanged(uint32_t key, uint32_t modifiers) override {
        events_.push_back("hot key " + std::to_string(key) + " " + std::to_string(modifiers));
    }
    void PeerClicked(bool checked) override { events_.push_back(checked ? "clicked checked" : "clicked"); }
    void PeerTextChanged(const std::string& text) override { events_.push_back("text " + text); }
    void PeerExit() override { events_.push_back("exit"); }
    void PeerSelected(int index) override { events_.push_back("selected " + std::to_string(index)); }
    void PeerVertScroll(int position) override { events_.push_back("scroll " + std::to_string(position)); }
    void PeerDragStart() override { events_.push_back("drag start"); }
    void PeerDragTo(int offset) override { events_.push_back("drag " + std::to_string(offset)); }
    void PeerExpandedChanged(uintptr_t node, bool expanded) override {
        events_.push_back("expanded " + std::to_string(node) + (expanded ? " on" : " off"));
    }
    void PeerSelectionChanged(uintptr_t node) override { events_.push_back("node " + std::to_string(node)); }
    void PeerMouseDown(MouseButton, TPoint at) override { events_.push_back(Point("down", at)); }
    void PeerMouseUp(MouseButton, TPoint at) override { events_.push_back(Point("up", at)); }
    bool PeerDragOver(TPoint at) override {
        events_.push_back(Point("over", at));
        return AcceptDrop;
    }
    void PeerDragDrop(TPoint at) override { events_.push_back(Point("drop", at)); }
    void PeerDragEnd() override { events_.push_back("drag end"); }
    bool PeerFileDropped(const std::string& path, TPoint at) override {
        events_.push_back(Point("file " + path, at));
        return true;
    }
    static std::string Point(const std::string& what, TPoint at) {
        return what + " " + std::to_string(at.X) + "," + std::to_string(at.Y);
    }
    bool AcceptDrop = true;
    int Enters = 0;

private:
    Events events_;
};

inline HWND H(IControlPeer& peer) { return reinterpret_cast<HWND>(peer.Handle()); }
inline HWND H(const std::unique_ptr<IControlPeer>& peer) { return H(*peer); }

inline std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    return name;
}

inline std::string TextOf(HWND hwnd) {
    wchar_t text[256] = L"";
    GetWindowTextW(hwnd, text, 256);
    return win32::Narrow(text);
}

inline LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }
inline LONG_PTR ExStyleOf(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_EXSTYLE); }

// The window's rectangle in its parent's client coordinates, as the model gave it.
inline TRect BoundsOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

inline DWORD Caret(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

// What the window shows on the screen now, once what waits to be painted is painted
// (nothing is painted anew that no one asked to be); pixels as 0x00BBGGRR.
class Screen {
public:
    explicit Screen(HWND hwnd) {
        RedrawWindow(GetAncestor(hwnd, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT r{};
        GetClientRect(hwnd, &r);
        width_ = r.right;
        height_ = r.bottom;
        HDC dc = GetDC(hwnd);
        HDC mem = CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(mem, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
        GdiFlush();
        auto* p = static_cast<const uint32_t*>(bits);
        pixels_.assign(p, p + static_cast<size_t>(width_) * height_);
        SelectObject(mem, old);
        DeleteObject(dib);
        DeleteDC(mem);
        ReleaseDC(hwnd, dc);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return ArgbToColorRef(pixels_[static_cast<size_t>(y) * width_ + x] | 0xFF000000u); }
    int Count(const TRect& area, const std::function<bool(COLORREF)>& match) const {
        int n = 0;
        for (int y = std::max(0, area.Top); y < std::min(height_, area.Bottom); ++y)
            for (int x = std::max(0, area.Left); x < std::min(width_, area.Right); ++x) n += match(At(x, y));
        return n;
    }
    int CountOf(const TRect& area, COLORREF colour) const {
        return Count(area, [&](COLORREF c) { return c == colour; });
    }
    TRect All() const { return {0, 0, width_, height_}; }

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

// How many of the sampled pixels of a window's top-left width × height differ from the
// theme part drawn alone over the button face.
inline int PixelsUnlikeThemePart(HWND hwnd, HTHEME theme, int part, int state, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(mem, bitmap);
    RECT r{0, 0, width, height};
    FillRect(mem, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawThemeBackground(theme, mem, part, state, &r, nullptr);
    Screen s(hwnd);
    int differ = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; x += 7) differ += s.At(x, y) != GetPixel(mem, x, y);
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return differ;
}

class Win32Controls : public ::testing::Test {
protected:
    void SetUp() override {
        FormParams params;
        params.ClassName = "TControlsTestForm";
        params.Caption = "Controls";
        params.Bounds = {40, 40, 680, 560};
        form = UI().CreateFormPeer(formSink, params);
    }

    // Only tests that read the screen show the form: the display takes its time over
    // each window that leaves the screen again.
    void ShowForm() {
        form->SetVisible(true);
        Pump();
    }

    IUserInterface& UI() { return platform->UI(); }
    HWND Form() { return reinterpret_cast<HWND>(form->Handle()); }
    NativeHandle Parent() { return form->Handle(); }
    static COLORREF Sys(int index) { return GetSysColor(index); }

    // The state a model pushes to a new peer, in the model's order.
    template <typename Peer>
    Peer& Put(Peer& peer, const TRect& bounds, const std::string& text = "") {
        peer.SetFont(FontSpec{});
        peer.SetText(text);
        peer.SetBounds(bounds);
        peer.SetEnabled(true);
        peer.SetVisible(true);
        return peer;
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    std::unique_ptr<Platform> platform = win32::CreateWin32Platform();
    Recorder formSink;
    std::unique_ptr<IFormPeer> form;
};

}  // namespace pv::testing
