#include "controls/action_list.h"

#include <algorithm>

#include "controls/application.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {

TAction::~TAction() { SetActionList(nullptr); }

void TAction::SetActionList(TActionList* list) {
    if (list_ == list) return;
    if (list_) list_->actions_.erase(std::remove(list_->actions_.begin(), list_->actions_.end(), this), list_->actions_.end());
    list_ = list;
    if (list_) list_->actions_.push_back(this);
}

bool TAction::Execute() {
    if (!Enabled || !OnExecute) return false;
    Application()->Guard(this, [&] { OnExecute(this); });
    return true;
}

// Actions that outlive their list forget it.
TActionList::~TActionList() {
    for (TAction* a : actions_) a->list_ = nullptr;
}

TAction* TActionList::Actions(int index) const {
    if (index < 0 || index >= ActionCount()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return actions_[static_cast<size_t>(index)];
}

}  // namespace pv
