// Simulated popup menus: every menu shown is recorded; the user's choice comes from a
// script of captions; owner-drawn entries are measured and drawn as the system would
// while the menu is open, so a test sees what the model's handlers produced.
#include "platform/sim/sim_platform.h"

namespace pv::sim {

namespace {


// A caption as the user reads it: "&&" shows one "&", a single "&" only marks the
// accelerator.
std::string Shown(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') out += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
    }
    return out;
}

std::string JoinPath(const std::vector<std::string>& path) {
    std::string out;
    for (const auto& part : path) out += (out.empty() ? "" : " > ") + part;
    return out;
}

// The entries named by a script, one per level from the top down, or why none can be
// chosen.
struct ScriptMatch {
    std::vector<const MenuEntryView*> Path;
    std::string Error;
};

ScriptMatch Resolve(const std::vector<MenuEntryView>& top, const std::vector<std::string>& script) {
    ScriptMatch m;
    const std::vector<MenuEntryView>* level = &top;
    for (size_t depth = 0; depth < script.size(); ++depth) {
        const MenuEntryView* found = nullptr;
        for (const MenuEntryView& e : *level)
            if (!e.Separator && Shown(e.Caption) == Shown(script[depth])) {
                found = &e;
                break;
            }
        if (!found) m.Error = "no entry \"" + script[depth] + "\"";
        else if (!found->Enabled) m.Error = "entry \"" + script[depth] + "\" is disabled";
        else if (depth + 1 < script.size() && !found->SubMenu && found->Children.empty())
            m.Error = "entry \"" + script[depth] + "\" has no submenu";
        else if (depth + 1 == script.size() && (found->SubMenu || !found->Children.empty()))
            m.Error = "entry \"" + script[depth] + "\" opens a submenu and cannot be chosen";
        if (!m.Error.empty()) {
            m.Path.clear();
            return m;
        }
        m.Path.push_back(found);
        level = &found->Children;
    }
    if (script.empty()) m.Error = "an empty menu script";
    return m;
}

using ShownMenu = SimUserInterface::ShownMenu;

// Measures every owner-drawn entry of a level, draws each once, then draws the one the
// user moves onto selected.
void PaintLevel(SimUserInterface& ui, TColor menu, const std::vector<MenuEntryView>& level,
                const MenuEntryView* selected, IMenuSink& sink, ShownMenu& record) {
    std::unique_ptr<IBitmapCanvas> screen = ui.CreateBitmapCanvas(1, 1, menu);
    if (!screen) return;
    for (const MenuEntryView& e : level) {
        if (!e.OwnerDraw) continue;
        int width = 0, height = 0;
        sink.MeasureEntry(e.Id, *screen, width, height);
        record.Measured[e.Id] = TSize{width, height};
    }
    auto draw = [&](const MenuEntryView& e, bool isSelected) {
        TSize size = record.Measured[e.Id];
        if (size.cx <= 0 || size.cy <= 0) return;
        std::unique_ptr<IBitmapCanvas> canvas = ui.CreateBitmapCanvas(size.cx, size.cy, menu);
        if (!canvas) return;
        sink.DrawEntry(e.Id, *canvas, TRect{0, 0, size.cx, size.cy}, isSelected);
        record.Drawings.push_back({e.Id, isSelected, canvas->Pixels()});
    };
    for (const MenuEntryView& e : level)
        if (e.OwnerDraw) draw(e, false);
    if (selected && selected->OwnerDraw) draw(*selected, true);
}

}  // namespace

namespace {

class SimRealisedMenu final : public IRealisedMenu {
public:
    explicit SimRealisedMenu(std::vector<MenuEntryView> entries) : entries_(std::move(entries)) {}
    const std::vector<MenuEntryView>& Entries() const override { return entries_; }

private:
    std::vector<MenuEntryView> entries_;
};

}  // namespace

std::unique_ptr<IRealisedMenu> SimUserInterface::RealiseMenu(std::vector<MenuEntryView> entries) {
    ++MenusRealised;
    return std::make_unique<SimRealisedMenu>(std::move(entries));
}

uint32_t SimUserInterface::TrackPopupMenu(IRealisedMenu& realised, TPoint at, NativeHandle owner,
                                          IMenuSink& sink) {
    ShownMenu record{realised.Entries(), at, owner, 0, {}, {}};

    ScriptMatch match;
    std::string breach;
    if (!menuScripts_.empty()) {
        std::vector<std::string> script = std::move(menuScripts_.front());
        menuScripts_.pop_front();
        match = Resolve(record.Entries, script);
        if (!match.Error.empty()) breach = "menu script \"" + JoinPath(script) + "\": " + match.Error;
    }

    // The levels the user saw: the top one, and each submenu the scripted path opened.
    TColor menu = owner_.SimSystem().SysColor(SysColorIndex::Menu);
    const std::vector<MenuEntryView>* level = &record.Entries;
    for (size_t depth = 0; level; ++depth) {
        const MenuEntryView* onPath = depth < match.Path.size() ? match.Path[depth] : nullptr;
        PaintLevel(*this, menu, *level, onPath, sink, record);
        level = onPath && !onPath->Children.empty() ? &onPath->Children : nullptr;
    }
    record.Chosen = match.Path.empty() ? 0 : match.Path.back()->Id;
    uint32_t chosen = record.Chosen;
    Menus.push_back(std::move(record));
    // A script that names nothing the user could choose is the test's mistake; the menu
    // counts as dismissed.
    if (!breach.empty()) owner_.Fail(breach);
    return chosen;
}

void SimUserInterface::ChooseMenuEntry(std::vector<std::string> path) { menuScripts_.push_back(std::move(path)); }

}  // namespace pv::sim
