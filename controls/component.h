#pragma once
// The root of the component model: every window and component has exactly one owner,
// which frees what it owns, the most recently created first.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pv {

class Platform;
class TApplication;
class TComponent;

using TNotifyEvent = std::function<void(TComponent* sender)>;

#define PV_COMPONENT_CLASS(Name) \
    std::string ClassName() const override { return #Name; }

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Creates a component and runs its construction hooks; a failure in them frees it
    // again before the exception travels on.
    template <typename T, typename... Args>
    static T* Create(TComponent* owner, Args&&... args) {
        T* c = new T(owner, std::forward<Args>(args)...);
        try {
            static_cast<TComponent*>(c)->AfterConstruction();
        } catch (...) {
            Free(c);
            throw;
        }
        return c;
    }
    // Runs the destruction hooks, then frees. Safe with nullptr.
    static void Free(TComponent* c);

    virtual std::string ClassName() const { return "TComponent"; }
    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const std::string& name) const;
    bool Destroying() const { return destroying_; }

    TApplication* Application() const { return app_; }
    Platform& GetPlatform() const;
    // A token that tells a queued call whether this component still exists.
    std::weak_ptr<void> AliveToken() const { return alive_; }

protected:
    // Construction finished: the place for virtual steps that constructors cannot make.
    virtual void AfterConstruction() {}
    // Destruction starts: the object is still whole. Owned components are freed after it.
    virtual void BeforeDestruction() {}
    void DestroyComponents();
    struct RootTag {};
    TComponent(RootTag, TApplication* self);  // the application is its own root

private:
    void Insert(TComponent* c) { components_.push_back(c); }
    void Remove(TComponent* c);

    TComponent* owner_ = nullptr;
    TApplication* app_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    bool destroying_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

struct ComponentDeleter {
    void operator()(TComponent* c) const { TComponent::Free(c); }
};
template <typename T>
using OwnedComponent = std::unique_ptr<T, ComponentDeleter>;

}  // namespace pv
