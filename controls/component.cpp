#include "controls/component.h"

#include <algorithm>

#include "controls/application.h"
#include "util/exception.h"

namespace pv {

TComponent::TComponent(TComponent* owner) : owner_(owner), app_(owner ? owner->app_ : nullptr) {
    if (owner_) owner_->Insert(this);
}

TComponent::TComponent(RootTag, TApplication* self) : app_(self) {}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) owner_->Remove(this);
}

void TComponent::Free(TComponent* c) {
    if (!c || c->destroying_) return;
    c->destroying_ = true;
    c->BeforeDestruction();
    c->DestroyComponents();
    delete c;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Free(last);
        // Free removed it from the list through the destructor; guard against a component
        // that was already being destroyed.
        if (!components_.empty() && components_.back() == last) components_.pop_back();
    }
}

void TComponent::Remove(TComponent* c) {
    auto it = std::find(components_.rbegin(), components_.rend(), c);
    if (it != components_.rend()) components_.erase(std::next(it).base());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (auto* c : components_)
        if (!name.empty() && c->Name() == name) return c;
    return nullptr;
}

Platform& TComponent::GetPlatform() const {
    if (!app_) throw EInvalidOperation("component without an application");
    return app_->GetPlatform();
}

}  // namespace pv
