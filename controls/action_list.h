#pragma once
// Actions: named commands with a caption, a hint and a shortcut that menu entries and
// buttons can stand for, collected in an action list.
#include <string>
#include <vector>

#include "controls/component.h"
#include "controls/shortcuts.h"

namespace pv {

class TActionList;

class TAction final : public TComponent {
public:
    explicit TAction(TComponent* owner) : TComponent(owner) {}
    ~TAction() override;
    PV_COMPONENT_CLASS(TAction)

    std::string Caption;
    std::string Hint;
    TShortCut ShortCut = 0;
    bool Enabled = true;
    // A standard action carries texts of its own that the translation takes over; other
    // kinds of actions are skipped by it.
    bool StandardAction = true;
    TNotifyEvent OnExecute;

    TActionList* ActionList() const { return list_; }
    // Moves the action to the end of `list` (nullptr takes it out).
    void SetActionList(TActionList* list);
    // Runs OnExecute while the action is enabled; false when nothing ran.
    bool Execute();

private:
    friend class TActionList;
    TActionList* list_ = nullptr;
};

class TActionList final : public TComponent {
public:
    explicit TActionList(TComponent* owner) : TComponent(owner) {}
    ~TActionList() override;
    PV_COMPONENT_CLASS(TActionList)

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const;  // raises EListError outside the list

private:
    friend class TAction;
    std::vector<TAction*> actions_;
};

}  // namespace pv
