// The families the update window adds, under Windows (or Wine): the progress bar and the
// spin edit are the system's controls with the state pushed to them; the status bar has
// its panels, reports the one the window draws and holds the progress bar inside it; the
// browser control is hosted in a site whose objects it lets go of again, and a desktop
// without the HTML engine behind it makes no browser peer.
#include "platform/win32/win32_common.h"

#include <ole2.h>
#include <docobj.h>
#include <mshtmhst.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_web_browser.h"
#include "tests/win32/win32_controls_fixture.h"

namespace pv {
namespace {

using namespace pv::testing;

class SpinSink final : public ISpinEditSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerValueChanged(int value) override { Values.push_back(value); }
    std::vector<int> Values;
};

class BrowserSink final : public IWebBrowserSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerCommandStateChange(BrowserCommand, bool) override {}
    void PeerNavigateComplete(const std::string&, bool) override {}
    void PeerDocumentComplete(const std::string&, bool) override {}
    void PeerProgressChange(int, int) override {}
    void PeerStatusTextChange(const std::string&) override {}
    std::string PeerAmbientUserAgent() override { return Agent; }
    std::string Agent;
};

class BarSink final : public IToolBarSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerButtonClick(int id) override { Clicks.push_back(id); }
    void PeerButtonHot(int) override {}
    std::string PeerButtonTip(int id) override { return "tip " + std::to_string(id); }
    std::vector<int> Clicks;
};

class PanelSink final : public IStatusBarSink {
public:
    void PeerMouseEnter() override {}
    void PeerEnter() override {}
    void PeerDrawPanel(int index, const TRect& rect) override {
        Drawn.push_back(index);
        if (OnDraw) OnDraw(index, rect);
    }
    std::vector<int> Drawn;
    std::function<void(int, const TRect&)> OnDraw;
};

std::wstring PartText(HWND bar, int part) {
    wchar_t text[128] = L"";
    if (LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) < 128) SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
}

DWORD EmulationOfThisProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = wcsrchr(path, L'\\') ? wcsrchr(path, L'\\') + 1 : path;
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION", name,
                     RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

TEST_F(Win32Controls, TheProgressBarShowsItsRangeAndPositionAndDropsItsEdge) {
    auto bar = UI().CreateProgressBarPeer(formSink, Parent());
    Put(*bar, {10, 10, 110, 28});
    HWND h = H(*bar);
    EXPECT_EQ(ClassOf(h), PROGRESS_CLASSW);
    bar->SetRange(250);
    bar->SetPosition(40);
    EXPECT_EQ(SendMessageW(h, PBM_GETRANGE, FALSE, 0), 250);
    EXPECT_EQ(SendMessageW(h, PBM_GETPOS, 0, 0), 40);
    EXPECT_TRUE(ExStyleOf(h) & WS_EX_STATICEDGE);
    bar->SetStaticEdge(false);
    EXPECT_FALSE(ExStyleOf(h) & WS_EX_STATICEDGE);
}

TEST_F(Win32Controls, TheSpinEditIsANumberFieldWithArrowsThatReportsOnlyTheUsersValuesWithinRange) {
    SpinSink sink;
    auto spin = UI().CreateSpinEditPeer(sink, Parent());
    Put(*spin, {10, 40, 70, 62});
    spin->SetRange(1, 120);
    spin->SetValue(60);
    HWND field = H(*spin);
    EXPECT_EQ(ClassOf(field), L"Edit");
    EXPECT_TRUE(StyleOf(field) & ES_NUMBER);
    EXPECT_EQ(TextOf(field), "60");
    HWND arrows = FindWindowExW(Form(), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(arrows, UDM_GETBUDDY, 0, 0)), field);
    EXPECT_TRUE(sink.Values.empty()) << "the program's own value is not reported back";
    SetWindowTextW(field, L"500");
    SetWindowTextW(field, L"7");
    EXPECT_EQ(sink.Values, (std::vector<int>{120, 7}));
    spin.reset();
    EXPECT_EQ(FindWindowExW(Form(), nullptr, UPDOWN_CLASSW, nullptr), nullptr) << "the arrows go with the field";
}

TEST_F(Win32Controls, TheStatusBarHasItsPanelsAndTheProgressBarLiesInsideTheDrawnOne) {
    PanelSink sink;
    auto bar = UI().CreateStatusBarPeer(sink, Parent());
    Put(*bar, {0, 400, 640, 422}, "Ready");
    HWND h = H(*bar);
    EXPECT_TRUE(SendMessageW(h, SB_ISSIMPLE, 0, 0)) << "one simple panel until panels are given";

    auto progress = UI().CreateProgressBarPeer(formSink, bar->Handle());
    Put(*progress, {0, 0, 10, 10});
    progress->SetStaticEdge(false);
    // What the window does when the bar draws its middle panel.
    sink.OnDraw = [&](int index, const TRect& r) {
        if (index == 1) progress->SetBounds({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
    };
    bar->SetPanels({{576, false}, {100, true}, {50, false}});
    ShowForm();
    EXPECT_FALSE(SendMessageW(h, SB_ISSIMPLE, 0, 0));
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(h, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 576);
    EXPECT_EQ(edges[1], 676);
    EXPECT_EQ(edges[2], -1) << "the last panel reaches the right edge";
    EXPECT_EQ(PartText(h, 0), L"Ready") << "the text is the first panel's";
    bar->SetText("Opening page");
    EXPECT_EQ(PartText(h, 0), L"Opening page");
    EXPECT_TRUE(HIWORD(SendMessageW(h, SB_GETTEXTLENGTHW, 1, 0)) & SBT_OWNERDRAW)
        << "the middle panel is the window's to draw";

    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    ASSERT_FALSE(sink.Drawn.empty());
    for (int index : sink.Drawn) EXPECT_EQ(index, 1) << "only the drawn panel is reported";
    RECT part{};
    SendMessageW(h, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    TRect inside = BoundsOf(H(*progress));
    EXPECT_GE(inside.Left, part.left);
    EXPECT_LE(inside.Right, part.right);
    EXPECT_GE(inside.Top, part.top);
    EXPECT_LE(inside.Bottom, part.bottom);
    EXPECT_GT(inside.Width(), 90);
    EXPECT_GT(inside.Height(), 8);
    EXPECT_EQ(GetParent(H(*progress)), h);
    progress.reset();

    bar->SetPanels({});
    EXPECT_TRUE(SendMessageW(h, SB_ISSIMPLE, 0, 0)) << "no panels: the simple panel again";
}

TEST_F(Win32Controls, TheToolBarIsTheSystemsWithTextButtonsOfOneSizeAndHoldsOtherControls) {
    BarSink sink;
    auto bar = UI().CreateToolBarPeer(sink, Parent());
    Put(*bar, {0, 0, 600, 29});
    HWND h = H(*bar);
    EXPECT_EQ(ClassOf(h), TOOLBARCLASSNAMEW);
    bar->SetButtonSize(60, 23);
    bar->SetButtons({{1, "Back", false, 0, true, true},
                     {2, "", true, 8, true, true},
                     {3, "", true, 200, true, true},
                     {4, "Go", false, 0, true, false},
                     {5, "Opera", false, 0, false, true}});
    ShowForm();
    ASSERT_EQ(SendMessageW(h, TB_BUTTONCOUNT, 0, 0), 5);
    RECT back{}, room{}, go{};
    SendMessageW(h, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&back));
    SendMessageW(h, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&room));
    SendMessageW(h, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&go));
    EXPECT_EQ(back.right - back.left, 60);
    EXPECT_EQ(back.bottom - back.top, 23);
    EXPECT_EQ(room.right - room.left, 200) << "the room of a control on the bar";
    EXPECT_EQ(go.left, back.right + 8 + 200) << "the buttons lie where the model puts them";
    EXPECT_FALSE(SendMessageW(h, TB_ISBUTTONENABLED, 4, 0));
    EXPECT_TRUE(SendMessageW(h, TB_ISBUTTONHIDDEN, 5, 0));
    wchar_t text[32] = L"";
    SendMessageW(h, TB_GETBUTTONTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Back");

    // A click on a button comes back under its id.
    int x = (back.left + back.right) / 2, y = (back.top + back.bottom) / 2;
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
    EXPECT_EQ(sink.Clicks, std::vector<int>{1});

    NMTBGETINFOTIPW tip{};
    wchar_t tipText[64] = L"";
    tip.hdr = {h, static_cast<UINT_PTR>(GetDlgCtrlID(h)), TBN_GETINFOTIPW};
    tip.pszText = tipText;
    tip.cchTextMax = 64;
    tip.iItem = 4;
    SendMessageW(Form(), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(std::wstring(tipText), L"tip 4");

    // A control on the bar is the bar's child; its messages reach its own peer.
    auto box = UI().CreateComboBoxPeer(formSink, ComboBoxParams{true}, bar->Handle());
    Put(*box, {68, 3, 268, 25});
    EXPECT_EQ(GetParent(H(*box)), h);
    formSink.Take();
    SetWindowTextW(H(*box), L"http://c.example/");
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(H(*box)), CBN_EDITCHANGE), reinterpret_cast<LPARAM>(H(*box)));
    EXPECT_EQ(formSink.Take(), (Events{"text http://c.example/"}));
}

TEST_F(Win32Controls, NoBrowserPeerIsMadeWithoutTheHtmlEngineAndTheEmulationIsSetFirst) {
    BrowserSink sink;
    auto peer = UI().CreateWebBrowserPeer(sink, Parent());
    EXPECT_EQ(peer != nullptr, win32::HtmlEngineAvailable());
    EXPECT_EQ(EmulationOfThisProgram(), win32::kBrowserEmulation) << "the program renders in the engine's current mode";
    peer.reset();
    EXPECT_EQ(win32::LiveBrowserSiteObjects(), 0) << "a failed creation leaves no site object behind";
}

// The browser control itself, hosted even where no HTML engine stands behind it (under
// Wine the control is there, the engine that draws pages is not): the site answers what
// the control asks, and every site object is let go of when the peer goes.
TEST_F(Win32Controls, TheBrowserControlIsHostedInASiteItLetsGoOfAgain) {
    BrowserSink sink;
    sink.Agent = "Pivola::1.7.9::CheckForUpdates::";
    auto peer = win32::CreateBrowserPeer(sink, Form(), false);
    if (!peer) GTEST_SKIP() << "no browser control on this system";
    EXPECT_EQ(win32::LiveBrowserSiteObjects(), 3) << "the client site, the frame and the event sink";
    Put(*peer, {10, 10, 410, 310});
    Pump();
    HWND host = H(*peer);
    EXPECT_EQ(ClassOf(host), L"PivolaBrowserHost");
    HWND control = GetWindow(host, GW_CHILD);
    ASSERT_NE(control, nullptr) << "the control is in place in the host window";
    RECT r{};
    GetWindowRect(control, &r);
    EXPECT_EQ(r.right - r.left, 400) << "the control fills the host";
    EXPECT_EQ(r.bottom - r.top, 300);
    peer->SetBounds({10, 10, 310, 210});
    GetWindowRect(control, &r);
    EXPECT_EQ(r.right - r.left, 300) << "and follows its size";

    IUnknown* site = win32::BrowserClientSite(*peer);
    ASSERT_NE(site, nullptr);
    IDispatch* ambient = nullptr;
    ASSERT_EQ(site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)), S_OK);
    DISPPARAMS none{};
    VARIANT agent;
    VariantInit(&agent);
    ASSERT_EQ(ambient->Invoke(-5513, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &agent, nullptr, nullptr), S_OK);
    ASSERT_EQ(agent.vt, VT_BSTR);
    EXPECT_EQ(win32::Narrow(agent.bstrVal), "Pivola::1.7.9::CheckForUpdates::");
    VariantClear(&agent);
    EXPECT_EQ(ambient->Invoke(-5512, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &agent, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND)
        << "other ambient properties keep the control's defaults";
    ambient->Release();

    IOleCommandTarget* commands = nullptr;
    ASSERT_EQ(site->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(&commands)), S_OK);
    const GUID docHost = {0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};
    VARIANT goOn;
    VariantInit(&goOn);
    EXPECT_EQ(commands->Exec(&docHost, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &goOn), S_OK);
    EXPECT_EQ(goOn.vt, VT_BOOL);
    EXPECT_EQ(goOn.boolVal, VARIANT_TRUE) << "scripts go on, no dialog";
    EXPECT_EQ(commands->Exec(&docHost, OLECMDID_PRINT, 0, nullptr, &goOn), static_cast<HRESULT>(OLECMDERR_E_NOTSUPPORTED));
    commands->Release();
    for (const IID& iid : {IID_IOleClientSite, IID_IOleInPlaceSite, IID_IDocHostUIHandler}) {
        IUnknown* face = nullptr;
        EXPECT_EQ(site->QueryInterface(iid, reinterpret_cast<void**>(&face)), S_OK);
        if (face) face->Release();
    }
    site->Release();

    peer->SetSilent(false);
    peer->Navigate("about:blank", 12, "", "User-Agent: Pivola::1.7.9::CheckForUpdates::\r\n");
    Pump();
    peer.reset();
    Pump();
    EXPECT_EQ(win32::LiveBrowserSiteObjects(), 0) << "the control let go of every site object";
}

}  // namespace
}  // namespace pv
