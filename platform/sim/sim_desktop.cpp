// The simulated shared desktop.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

#include "platform/sim/sim_form.h"
#include "util/encoding.h"
#include "util/strings.h"

namespace pv::sim {

namespace {

// The system's limit for an atom's name.
constexpr size_t kAtomNameMax = 255;
// String atoms live above the integer ones.
constexpr uint32_t kFirstStringAtom = 0xC000;

class SimNamedMutex final : public INamedMutex {
public:
    SimNamedMutex(SimDesktop& desktop, std::string name) : desktop_(desktop), name_(std::move(name)) {
        desktop_.HeldMutexes.insert(name_);
    }
    ~SimNamedMutex() override { desktop_.HeldMutexes.erase(name_); }

private:
    SimDesktop& desktop_;
    std::string name_;
};

class SimInstanceWindow final : public IInstanceWindow {
public:
    SimInstanceWindow(SimDesktop& desktop, NativeHandle handle) : desktop_(desktop), handle_(handle) {}
    ~SimInstanceWindow() override { desktop_.RemoveWindow(handle_); }
    NativeHandle Handle() override { return handle_; }

private:
    SimDesktop& desktop_;
    NativeHandle handle_;
};

}  // namespace

std::unique_ptr<INamedMutex> SimDesktop::TakeNamedMutex(const std::string& name) {
    if (MutexHeld(name) || MutexCreationFails) return nullptr;
    return std::make_unique<SimNamedMutex>(*this, name);
}

std::unique_ptr<IInstanceWindow> SimDesktop::CreateInstanceWindow(const std::string& className,
                                                                  const std::string& title,
                                                                  IInstanceWindowSink& sink) {
    NativeHandle handle = ui_.NewHandle();
    Windows[handle] = SimDesktopWindow{handle, className, title, &sink, {}};
    return std::make_unique<SimInstanceWindow>(*this, handle);
}

std::vector<DesktopWindow> SimDesktop::TopLevelWindows() {
    std::vector<DesktopWindow> all;
    for (const auto& [handle, w] : Windows) all.push_back({handle, w.ClassName, w.Title});
    for (const SimForm* f : ui_.Forms()) all.push_back({f->Handle, f->Params.ClassName, f->Caption()});
    std::sort(all.begin(), all.end(), [](const DesktopWindow& a, const DesktopWindow& b) { return a.Handle < b.Handle; });
    return all;
}

intptr_t SimDesktop::SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    intptr_t answer = 0;
    if (auto it = Windows.find(window); it != Windows.end()) {
        // A copy: the receiver may destroy windows, its own among them, while it answers.
        SimDesktopWindow target = it->second;
        if (target.Sink) answer = target.Sink->PeerInstanceMessage(msg, wParam, lParam);
        else if (target.Answer) answer = target.Answer(msg, wParam, lParam);
    } else if (SimForm* form = ui_.Control<SimForm>(window)) {
        intptr_t result = 0;
        if (form->FormSink->PeerMessage(msg, wParam, lParam, result)) answer = result;
    }
    Sent.push_back({window, msg, wParam, lParam, answer});
    return answer;
}

uint16_t SimDesktop::AddGlobalAtom(const std::string& name) {
    size_t length = Utf8ToUtf16(name).size();
    if (length == 0 || length > kAtomNameMax) return 0;
    for (auto& [atom, entry] : Atoms)
        if (SameText(entry.Name, name)) {
            ++entry.References;
            return atom;
        }
    uint32_t atom = kFirstStringAtom;
    while (Atoms.count(static_cast<uint16_t>(atom))) ++atom;
    if (atom > 0xFFFF) return 0;
    Atoms[static_cast<uint16_t>(atom)] = SimAtom{name, 1};
    return static_cast<uint16_t>(atom);
}

std::string SimDesktop::GlobalAtomName(uint16_t atom) {
    auto it = Atoms.find(atom);
    return it == Atoms.end() ? std::string() : it->second.Name;
}

void SimDesktop::DeleteGlobalAtom(uint16_t atom) {
    auto it = Atoms.find(atom);
    if (it != Atoms.end() && --it->second.References <= 0) Atoms.erase(it);
}

NativeHandle SimDesktop::AddForeignWindow(std::string className, std::string title, SimAnswer answer) {
    NativeHandle handle = ui_.NewHandle();
    Windows[handle] = SimDesktopWindow{handle, std::move(className), std::move(title), nullptr, std::move(answer)};
    return handle;
}

void SimDesktop::RemoveWindow(NativeHandle handle) { Windows.erase(handle); }

const SimDesktopWindow* SimDesktop::Window(NativeHandle handle) const {
    auto it = Windows.find(handle);
    return it == Windows.end() ? nullptr : &it->second;
}

IDesktop& SimPlatform::Desktop() { return SimDesktopObjects(); }

SimDesktop& SimPlatform::SimDesktopObjects() {
    if (!desktop_) desktop_ = std::make_unique<SimDesktop>(ui_);
    return *desktop_;
}

}  // namespace pv::sim
