#pragma once
// The program's icon in the notification area: a visible flag, click events and a popup
// menu on the right button.
#include <memory>
#include <string>

#include "controls/component.h"
#include "platform/ui.h"

namespace pv {

class TPopupMenu;
class TForm;

class TCoolTrayIcon final : public TComponent, private ITrayIconSink {
public:
    explicit TCoolTrayIcon(TComponent* owner);
    ~TCoolTrayIcon() override;
    PV_COMPONENT_CLASS(TCoolTrayIcon)

    bool IconVisible() const { return visible_; }
    // Adds or removes the icon. A refusal of the shell raises EOSError; the flag has then
    // already changed.
    void SetIconVisible(bool visible);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TPopupMenu* PopupMenu = nullptr;
    // The window brought to the front before the right-button menu shows.
    TForm* MenuOwner = nullptr;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // What the user's actions on the icon do; the native icon and tests both come here.
    void Click();
    void DblClick();
    void RightClick();

protected:
    void BeforeDestruction() override;

private:
    void PeerClick() override { Click(); }
    void PeerDoubleClick() override { DblClick(); }
    void PeerRightClick() override { RightClick(); }
    ITrayIconPeer& Peer();

    std::unique_ptr<ITrayIconPeer> peer_;
    bool visible_ = false;
    std::string hint_;
};

}  // namespace pv
