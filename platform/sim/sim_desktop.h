#pragma once
// The simulated desktop as the programs on it share it: named mutexes, the top-level
// windows of every program, messages between programs, and global atoms. Two copies of
// the program in one test are two applications on one simulated platform; the desktop
// outlives both, as the system outlives its programs.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

// How a window of another program answers a message sent to it.
using SimAnswer = std::function<intptr_t(uint32_t msg, uintptr_t wParam, intptr_t lParam)>;

// A top-level window that is not one of the model's forms: an instance window of a copy
// of the program (it answers through its sink) or a window of another program (it
// answers through Answer; without one it does not answer at all, as a hung program).
struct SimDesktopWindow {
    NativeHandle Handle = 0;
    std::string ClassName;
    std::string Title;
    IInstanceWindowSink* Sink = nullptr;
    SimAnswer Answer;
};

// One message sent through SendMessageTo, with the answer the sender got.
struct SimSentMessage {
    NativeHandle To = 0;
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Answer = 0;
};

struct SimAtom {
    std::string Name;  // as it was first added
    int References = 0;
};

class SimDesktop final : public IDesktop {
public:
    explicit SimDesktop(SimUserInterface& ui) : ui_(ui) {}
    // Names are held exactly as written, as the system's named objects are.
    std::unique_ptr<INamedMutex> TakeNamedMutex(const std::string& name) override;
    // The window lives until the answer is destroyed; its handle comes from the same
    // counter as the forms', so handles follow the order of creation.
    std::unique_ptr<IInstanceWindow> CreateInstanceWindow(const std::string& className, const std::string& title,
                                                         IInstanceWindowSink& sink) override;
    // The windows of Windows and every form of every program, hidden ones included, in
    // the order they were created.
    std::vector<DesktopWindow> TopLevelWindows() override;
    // The target answers at once, as a program that pumps messages does; a window that
    // does not exist or does not answer gives 0. A form answers through its model.
    intptr_t SendMessageTo(NativeHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    // As the system's table: names compare without regard to case and share one atom,
    // which keeps the letter case of its first name and lives until every addition is
    // deleted; an empty name or one longer than 255 characters cannot be added.
    uint16_t AddGlobalAtom(const std::string& name) override;
    std::string GlobalAtomName(uint16_t atom) override;
    void DeleteGlobalAtom(uint16_t atom) override;

    // ---- what tests set up and look at ----
    // A window of another program; see SimDesktopWindow for `answer`.
    NativeHandle AddForeignWindow(std::string className, std::string title, SimAnswer answer = {});
    // The window is destroyed, as when its program ends.
    void RemoveWindow(NativeHandle handle);
    const SimDesktopWindow* Window(NativeHandle handle) const;
    // The instance windows and foreign windows alive now, by handle.
    std::map<NativeHandle, SimDesktopWindow> Windows;
    std::vector<SimSentMessage> Sent;
    std::set<std::string> HeldMutexes;
    bool MutexHeld(const std::string& name) const { return HeldMutexes.count(name) != 0; }
    // Creating a named mutex fails, as it does without the right to create one.
    bool MutexCreationFails = false;
    std::map<uint16_t, SimAtom> Atoms;

private:
    SimUserInterface& ui_;
};

}  // namespace pv::sim
