#pragma once
// A tool bar: a row of buttons of one size, with separators of their own widths between
// them. Other controls sit on the bar over a separator as wide as they are.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace pv {

struct ToolButtonView {
    int Id = 0;
    std::string Caption;
    // A separator (or the room of a control on the bar) of `Width` pixels.
    bool Separator = false;
    int Width = 0;
    bool Visible = true;
    bool Enabled = true;
    bool operator==(const ToolButtonView&) const = default;
};

class IToolBarSink : public virtual IControlSink {
public:
    virtual void PeerButtonClick(int id) = 0;
    // The pointer came onto a button; 0 when onto the bar between buttons.
    virtual void PeerButtonHot(int id) = 0;
    // The tooltip of a button, asked for when it is about to show.
    virtual std::string PeerButtonTip(int id) = 0;
};

class IToolBarPeer : public IControlPeer {
public:
    virtual void SetButtonSize(int width, int height) = 0;
    // The buttons from the left; hidden ones take no room.
    virtual void SetButtons(const std::vector<ToolButtonView>& buttons) = 0;
    // A gradient behind the buttons where visual styles are on.
    virtual void SetGradient(bool gradient) = 0;
};

}  // namespace pv
