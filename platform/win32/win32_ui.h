#pragma once
#include <set>
#include <string>

#include "platform/platform.h"

namespace pv::win32 {

class Win32UserInterface final : public IUserInterface {
public:
    Win32UserInterface();
    std::unique_ptr<IMessageWindow> CreateMessageWindow(MessageProc proc) override;
    std::unique_ptr<IFormPeer> CreateFormPeer(IFormSink& sink, const FormParams& params) override;
    std::unique_ptr<ITreeViewPeer> CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) override;
    std::unique_ptr<IButtonPeer> CreateButtonPeer(IButtonSink& sink, const ButtonParams& params,
                                                  NativeHandle parent) override;
    std::unique_ptr<IEditPeer> CreateEditPeer(IEditSink& sink, const EditParams& params, NativeHandle parent) override;
    std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IComboBoxSink& sink, const ComboBoxParams& params,
                                                      NativeHandle parent) override;
    std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IPanelPeer> CreatePanelPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IScrollBoxPeer> CreateScrollBoxPeer(IScrollBoxSink& sink, NativeHandle parent) override;
    std::unique_ptr<ISplitterPeer> CreateSplitterPeer(ISplitterSink& sink, NativeHandle parent) override;
    std::unique_ptr<IImageBoxPeer> CreateImageBoxPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IPageControlPeer> CreatePageControlPeer(IPageControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IGroupBoxPeer> CreateGroupBoxPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<IHotKeyEditPeer> CreateHotKeyEditPeer(IHotKeyEditSink& sink, NativeHandle parent) override;
    std::unique_ptr<IProgressBarPeer> CreateProgressBarPeer(IControlSink& sink, NativeHandle parent) override;
    std::unique_ptr<ISpinEditPeer> CreateSpinEditPeer(ISpinEditSink& sink, NativeHandle parent) override;
    std::unique_ptr<IToolBarPeer> CreateToolBarPeer(IToolBarSink& sink, NativeHandle parent) override;
    std::unique_ptr<IWebBrowserPeer> CreateWebBrowserPeer(IWebBrowserSink& sink, NativeHandle parent) override;
    std::unique_ptr<IRichEditPeer> CreateRichEditPeer(IRichEditSink& sink, const RichEditParams& params,
                                                      NativeHandle parent) override;
    std::unique_ptr<ITabSetPeer> CreateTabSetPeer(ITabSetSink& sink, NativeHandle parent) override;
    std::unique_ptr<IStringGridPeer> CreateStringGridPeer(IStringGridSink& sink, NativeHandle parent) override;
    std::unique_ptr<IFindDialogPeer> ShowFindDialog(IFindDialogSink& sink, const FindDialogParams& params) override;
    bool ShowSaveFileDialog(const SaveFileRequest& request, std::string& file) override;
    PrintResult PrintTable(const PrintRequest& request) override;
    int ShowMessageDialog(const MessageDialogRequest& request) override;
    bool ShowOpenFileDialog(const OpenFileRequest& request, std::string& file) override;
    bool BrowseForFolder(const FolderBrowseRequest& request, std::string& folder) override;
    bool GetCursorPos(TPoint& pos) override;
    int DpiAt(TPoint at) override;
    void SetForegroundWindow(NativeHandle window) override;
    void PostNullMessage(NativeHandle window) override;
    bool DisableWindowsGhosting() override;
    void SetApplicationTitle(const std::string& title) override { title_ = title; }
    void RestoreApplication() override;
    void SetRightToLeft(bool rtl) override;
    void SetWaitCursor(bool wait) override;
    std::unique_ptr<IRealisedMenu> RealiseMenu(std::vector<MenuEntryView> entries) override;
    using IUserInterface::TrackPopupMenu;
    uint32_t TrackPopupMenu(IRealisedMenu& menu, TPoint at, NativeHandle owner, IMenuSink& sink) override;
    std::unique_ptr<IImageListPeer> CreateImageListPeer(int width, int height) override;
    std::unique_ptr<IBitmapCanvas> CreateBitmapCanvas(int width, int height, TColor fill) override;
    std::unique_ptr<ITrayIconPeer> CreateTrayIconPeer(ITrayIconSink& sink) override;
    std::unique_ptr<IHotKeyPeer> CreateHotKeyPeer(IHotKeySink& sink) override;

private:
    std::string title_;
};

// How many message boxes of this thread have their caption hook installed: one for each
// box open, none once every box is closed.
extern thread_local int installedDialogHooks;

}  // namespace pv::win32
