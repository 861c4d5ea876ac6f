#pragma once
// User-interface services of the seam. Each control kind has one narrow peer interface;
// the model owns the state and the peer mirrors it. A peer reports what the user did
// through its sink, which is the model's one inbound path.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/types.h"

namespace pv {

// ---- message dialogs -------------------------------------------------------------------

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Results as modal results are numbered.
namespace ModalResult {
inline constexpr int None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7,
                     All = 8, NoToAll = 9, YesToAll = 10, Help = 11;
}

struct MessageDialogButton {
    std::string Caption;  // with "&" before the accelerator
    int Result = ModalResult::None;
    bool Visible = true;
};

struct MessageDialogRequest {
    std::string Title;
    std::string Text;
    MsgDlgType Kind = MsgDlgType::Information;
    std::vector<MessageDialogButton> Buttons;
    int DefaultButton = 0;  // index into Buttons
    int HelpContext = 0;
    bool RightToLeft = false;
};

// ---- windows ---------------------------------------------------------------------------

// A hidden window that receives posted messages, such as the frame's deferred start.
class IMessageWindow {
public:
    virtual ~IMessageWindow() = default;
    virtual NativeHandle Handle() = 0;
    virtual void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
};
// Returns true when it handled the message; otherwise the system's default applies.
using MessageProc = std::function<bool(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result)>;

class IFormSink {
public:
    virtual ~IFormSink() = default;
    // The user asked to close the window (close box, Alt+F4, system menu).
    virtual void PeerCloseRequested() = 0;
    // The user moved, sized, minimised or restored the window.
    virtual void PeerPlacementChanged(const WindowPlacement& placement, bool visible) = 0;
    // Messages that the model handles itself (for example the base's exception relay).
    virtual bool PeerMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) = 0;
};

struct FormParams {
    std::string ClassName;  // the model's class, for finding windows by class
    std::string Caption;
    TRect Bounds;
    bool MinimizeBox = true;
    bool MaximizeBox = true;
};

class IFormPeer {
public:
    virtual ~IFormPeer() = default;
    virtual NativeHandle Handle() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetWindowState(WindowState state) = 0;
    virtual WindowPlacement GetPlacement() = 0;
    virtual void SetCloseEnabled(bool enabled) = 0;
    virtual void SetRightToLeft(bool rtl) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void BringToFront() = 0;
};

struct TreeNodeState {
    std::string Text;
    int ImageIndex = -1;
    int SelectedIndex = -1;
    int StateIndex = -1;
    bool HasChildren = false;
};

class ITreeViewSink {
public:
    virtual ~ITreeViewSink() = default;
    virtual void PeerExpandedChanged(uintptr_t node, bool expanded) = 0;
    virtual void PeerSelectionChanged(uintptr_t node) = 0;  // 0: nothing selected
};

// Nodes are named by the model's keys; `parent` 0 is the root level and `after` 0 puts the
// node first among its siblings.
class ITreeViewPeer {
public:
    virtual ~ITreeViewPeer() = default;
    virtual NativeHandle Handle() = 0;
    virtual void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& state) = 0;
    virtual void UpdateNode(uintptr_t node, const TreeNodeState& state) = 0;
    virtual void DeleteNode(uintptr_t node) = 0;
    virtual void Clear() = 0;
    virtual void SetExpanded(uintptr_t node, bool expanded) = 0;
    virtual void SelectNode(uintptr_t node) = 0;
    virtual void SetBounds(const TRect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetImageList(NativeHandle imageList) = 0;
};

// ---- popup menus -----------------------------------------------------------------------

// A menu as shown: only the visible entries, in order. Ids are the model's; 0 is never
// used, so a dismissed menu can answer 0.
struct MenuEntryView {
    uint32_t Id = 0;
    std::string Caption;
    bool Separator = false;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    bool Default = false;
    bool OwnerDraw = false;
    bool HasImage = false;
    TBitmap32 Image;  // drawn by the system beside a standard entry
    // A submenu, also when none of its entries is visible (an empty folder).
    bool SubMenu = false;
    std::vector<MenuEntryView> Children;
};

// The model's side of an owner-drawn menu while it is shown.
class IMenuSink {
public:
    virtual ~IMenuSink() = default;
    virtual void MeasureEntry(uint32_t id, ICanvas& canvas, int& width, int& height) = 0;
    virtual void DrawEntry(uint32_t id, ICanvas& canvas, const TRect& rect, bool selected) = 0;
};

// ---- notification area and hot keys ----------------------------------------------------

class ITrayIconSink {
public:
    virtual ~ITrayIconSink() = default;
    virtual void PeerClick() = 0;        // a left-button release after a press on the icon
    virtual void PeerDoubleClick() = 0;
    virtual void PeerRightClick() = 0;   // a right-button release on the icon
};

// The program's icon in the notification area. The peer itself puts the icon back when
// the shell's taskbar is re-created, and takes it away when the session ends.
class ITrayIconPeer {
public:
    virtual ~ITrayIconPeer() = default;
    // The application's own icon with a tooltip; false when the shell refuses.
    virtual bool Add(const std::string& tip) = 0;
    virtual bool Remove() = 0;
    virtual bool SetTip(const std::string& tip) = 0;
    virtual NativeHandle Handle() = 0;  // the window that receives the icon's messages
};

class IHotKeySink {
public:
    virtual ~IHotKeySink() = default;
    virtual void PeerHotKey() = 0;
};

// Modifier bits of a global hot key, numbered as the system numbers them.
namespace HotKeyModifier {
inline constexpr uint32_t Alt = 1, Control = 2, Shift = 4;
}

// One process-wide hot key.
class IHotKeyPeer {
public:
    virtual ~IHotKeyPeer() = default;
    // False when the key cannot be registered, for example because another program has it.
    virtual bool Register(uint32_t virtualKey, uint32_t modifiers) = 0;
    virtual void Unregister() = 0;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    virtual std::unique_ptr<IMessageWindow> CreateMessageWindow(MessageProc proc) = 0;
    virtual std::unique_ptr<IFormPeer> CreateFormPeer(IFormSink& sink, const FormParams& params) = 0;
    virtual std::unique_ptr<ITreeViewPeer> CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) = 0;
    // Shows a modal message dialog and returns the Result of the button chosen.
    virtual int ShowMessageDialog(const MessageDialogRequest& request) = 0;
    virtual bool GetCursorPos(TPoint& pos) = 0;
    virtual void SetForegroundWindow(NativeHandle window) = 0;
    virtual void PostNullMessage(NativeHandle window) = 0;
    // Turns off the system's window ghosting; false when the system lacks it.
    virtual bool DisableWindowsGhosting() = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0;
    virtual void RestoreApplication() = 0;
    virtual void SetRightToLeft(bool rtl) = 0;  // the reading direction of new windows

    // Shows a popup menu at a screen point and returns the id chosen, 0 when dismissed.
    // The call returns when the menu closes; owner-drawn entries are measured and drawn
    // through the sink meanwhile.
    virtual uint32_t TrackPopupMenu(const std::vector<MenuEntryView>& entries, TPoint at, NativeHandle owner,
                                    IMenuSink& sink) = 0;
    virtual std::unique_ptr<IImageListPeer> CreateImageListPeer(int width, int height) = 0;
    // A canvas over a new picture of its own, filled with one colour.
    virtual std::unique_ptr<IBitmapCanvas> CreateBitmapCanvas(int width, int height, TColor fill) = 0;
    virtual std::unique_ptr<ITrayIconPeer> CreateTrayIconPeer(ITrayIconSink& sink) = 0;
    virtual std::unique_ptr<IHotKeyPeer> CreateHotKeyPeer(IHotKeySink& sink) = 0;
};

}  // namespace pv
