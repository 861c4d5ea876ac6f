#pragma once
// User-interface services of the seam: one factory call per control family, the modal
// dialogs, and the few application-wide operations. Each family's peer interface and sink
// live in platform/ui/<family>.h; the model owns the state and the peer mirrors it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/types.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/control.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/find_dialog.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/hot_key.h"
#include "platform/ui/hot_key_edit.h"
#include "platform/ui/image_box.h"
#include "platform/ui/image_list.h"
#include "platform/ui/label.h"
#include "platform/ui/menus.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/rich_edit.h"
#include "platform/ui/scroll_box.h"
#include "platform/ui/spin_edit.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/tab_set.h"
#include "platform/ui/tray_icon.h"
#include "platform/ui/tree_view.h"
#include "platform/ui/web_browser.h"

namespace pv {

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    virtual std::unique_ptr<IMessageWindow> CreateMessageWindow(MessageProc proc) = 0;
    virtual std::unique_ptr<IFormPeer> CreateFormPeer(IFormSink& sink, const FormParams& params) = 0;
    virtual std::unique_ptr<ITreeViewPeer> CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IButtonPeer> CreateButtonPeer(IButtonSink& sink, const ButtonParams& params,
                                                          NativeHandle parent) = 0;
    virtual std::unique_ptr<IEditPeer> CreateEditPeer(IEditSink& sink, const EditParams& params,
                                                      NativeHandle parent) = 0;
    virtual std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params,
                                                              NativeHandle parent) = 0;
    virtual std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IPanelPeer> CreatePanelPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IScrollBoxPeer> CreateScrollBoxPeer(IScrollBoxSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<ISplitterPeer> CreateSplitterPeer(ISplitterSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IImageBoxPeer> CreateImageBoxPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IPageControlPeer> CreatePageControlPeer(IPageControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IGroupBoxPeer> CreateGroupBoxPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IHotKeyEditPeer> CreateHotKeyEditPeer(IHotKeyEditSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IProgressBarPeer> CreateProgressBarPeer(IControlSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<ISpinEditPeer> CreateSpinEditPeer(ISpinEditSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IToolBarPeer> CreateToolBarPeer(IToolBarSink& sink, NativeHandle parent) = 0;
    // Nothing when the desktop has no browser engine that can be embedded.
    virtual std::unique_ptr<IWebBrowserPeer> CreateWebBrowserPeer(IWebBrowserSink& sink, NativeHandle parent) = 0;
    // Builds the native menu of a view; it may be shown any number of times.
    virtual std::unique_ptr<IRealisedMenu> RealiseMenu(std::vector<MenuEntryView> entries) = 0;
    // Shows a realised popup menu at a screen point and returns the id chosen, 0 when
    // dismissed. The call returns when the menu closes; owner-drawn entries are measured
    // and drawn through the sink meanwhile.
    virtual uint32_t TrackPopupMenu(IRealisedMenu& menu, TPoint at, NativeHandle owner, IMenuSink& sink) = 0;
    // A view realised for one showing.
    uint32_t TrackPopupMenu(const std::vector<MenuEntryView>& entries, TPoint at, NativeHandle owner,
                            IMenuSink& sink) {
        std::unique_ptr<IRealisedMenu> menu = RealiseMenu(entries);
        return TrackPopupMenu(*menu, at, owner, sink);
    }
    virtual std::unique_ptr<IRichEditPeer> CreateRichEditPeer(IRichEditSink& sink, const RichEditParams& params,
                                                              NativeHandle parent) = 0;
    virtual std::unique_ptr<ITabSetPeer> CreateTabSetPeer(ITabSetSink& sink, NativeHandle parent) = 0;
    virtual std::unique_ptr<IStringGridPeer> CreateStringGridPeer(IStringGridSink& sink, NativeHandle parent) = 0;
    // Opens the find or the replace dialog beside its owner; nothing when it cannot.
    virtual std::unique_ptr<IFindDialogPeer> ShowFindDialog(IFindDialogSink& sink, const FindDialogParams& params) = 0;
    virtual std::unique_ptr<IImageListPeer> CreateImageListPeer(int width, int height) = 0;
    // A canvas over a new picture of its own, filled with one colour.
    virtual std::unique_ptr<IBitmapCanvas> CreateBitmapCanvas(int width, int height, TColor fill) = 0;
    virtual std::unique_ptr<ITrayIconPeer> CreateTrayIconPeer(ITrayIconSink& sink) = 0;
    virtual std::unique_ptr<IHotKeyPeer> CreateHotKeyPeer(IHotKeySink& sink) = 0;

    // Shows a modal message dialog and returns the Result of the button chosen.
    virtual int ShowMessageDialog(const MessageDialogRequest& request) = 0;
    // The open-file dialog; true with the chosen file, false when cancelled.
    virtual bool ShowOpenFileDialog(const OpenFileRequest& request, std::string& file) = 0;
    // The folder browser; true with the chosen folder, false when cancelled.
    virtual bool BrowseForFolder(const FolderBrowseRequest& request, std::string& folder) = 0;
    // The save-file dialog; true with the chosen file, false when cancelled.
    virtual bool ShowSaveFileDialog(const SaveFileRequest& request, std::string& file) = 0;
    // The print dialog and, when the user confirms it, the print of the table.
    virtual PrintResult PrintTable(const PrintRequest& request) = 0;
    virtual bool GetCursorPos(TPoint& pos) = 0;
    // The dots per inch of the monitor that holds the point (screen coordinates).
    virtual int DpiAt(TPoint at) = 0;
    virtual void SetForegroundWindow(NativeHandle window) = 0;
    virtual void PostNullMessage(NativeHandle window) = 0;
    // Turns off the system's window ghosting; false when the system lacks it.
    virtual bool DisableWindowsGhosting() = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0;
    virtual void RestoreApplication() = 0;
    virtual void SetRightToLeft(bool rtl) = 0;  // the reading direction of new windows
    // The hourglass pointer over the program's windows while a long operation runs.
    virtual void SetWaitCursor(bool wait) = 0;
};

}  // namespace pv
