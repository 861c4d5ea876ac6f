// The families the update window adds, under Windows (or Wine): the progress bar and the
// spin edit are the system's controls with the state pushed to them, and a desktop whose
// browser engine cannot be embedded makes no browser peer.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    std::string PeerAmbientUserAgent() override { return {}; }
};

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

TEST_F(Win32Controls, NoBrowserPeerIsMadeWhereNoEngineCanBeEmbedded) {
    BrowserSink sink;
    EXPECT_EQ(UI().CreateWebBrowserPeer(sink, Parent()), nullptr);
}

}  // namespace
}  // namespace pv
