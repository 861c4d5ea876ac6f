#include "controls/menus.h"

#include <algorithm>

#include "controls/application.h"
#include "util/exception.h"

namespace pv {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (auto* child : items_) child->parent_ = nullptr;
    if (parent_) parent_->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    if (item->parent_) throw EInvalidOperation("Menu inserted twice");
    if (index < 0 || index > Count()) throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    Remove(item);
    TComponent::Free(item);
}

void TMenuItem::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

void TMenuItem::Click() {
    if (OnClick) Application()->Guard(this, [&] { OnClick(this); });
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {
    items_ = TComponent::Create<TMenuItem>(this);
}

}  // namespace pv
