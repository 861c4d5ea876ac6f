// The simulated hot-key field family.
#include "platform/sim/sim_hot_key_edit.h"

namespace pv::sim {

namespace {

class SimHotKeyEditPeer final : public SimChildPeer<IHotKeyEditPeer, SimHotKeyEdit> {
public:
    SimHotKeyEditPeer(SimUserInterface& ui, IHotKeyEditSink& sink, NativeHandle parent)
        : SimChildPeer(ui, sink, parent) {
        rec_.KeySink = &sink;
    }
    // The field shows its combination, never a text of the model's.
    void SetText(const std::string&) override {}
    void SetHotKey(uint32_t virtualKey, uint32_t modifiers) override {
        rec_.Key = virtualKey;
        rec_.Modifiers = virtualKey ? modifiers : 0;
    }
    void SetRules(uint32_t invalid, uint32_t replacement) override {
        rec_.InvalidCombinations = invalid;
        rec_.Replacement = replacement;
    }
};

// The combination bit of a set of modifiers.
uint32_t CombinationOf(uint32_t modifiers) {
    bool shift = modifiers & HotKeyModifier::Shift, ctrl = modifiers & HotKeyModifier::Control,
         alt = modifiers & HotKeyModifier::Alt;
    using namespace HotKeyCombination;
    if (shift && ctrl && alt) return ShiftCtrlAlt;
    if (shift && ctrl) return ShiftCtrl;
    if (shift && alt) return ShiftAlt;
    if (ctrl && alt) return CtrlAlt;
    if (shift) return Shift;
    if (ctrl) return Ctrl;
    if (alt) return Alt;
    return None;
}

}  // namespace

bool SimHotKeyEdit::UserPress(uint32_t virtualKey, uint32_t modifiers) {
    if (!Enabled || !Visible) return false;
    TakeFocus();
    if (InvalidCombinations & CombinationOf(modifiers)) modifiers = Replacement;
    if (Key == virtualKey && Modifiers == modifiers) return true;
    Key = virtualKey;
    Modifiers = modifiers;
    KeySink->PeerHotKeyChanged(Key, Modifiers);
    return true;
}

std::unique_ptr<IHotKeyEditPeer> SimUserInterface::CreateHotKeyEditPeer(IHotKeyEditSink& sink, NativeHandle parent) {
    return std::make_unique<SimHotKeyEditPeer>(*this, sink, parent);
}

}  // namespace pv::sim
