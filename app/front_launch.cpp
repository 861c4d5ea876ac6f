// Starting a link: the shell opens its resolved path with the link's parameters, working
// directory, window state and, where asked, elevated rights.
#include "app/front_form.h"
#include "controls/menus.h"
#include "controls/tree_view.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

TWindowMode TFormFront::WindowModeOf(const std::string& token) {
    if (token == "WindowMax") return TWindowMode::Maximized;
    if (token == "WindowMin") return TWindowMode::Minimized;
    if (token == "WindowHid") return TWindowMode::Hidden;
    return TWindowMode::Default;
}

int TFormFront::ShowCommandOf(TWindowMode mode) {
    switch (mode) {
        case TWindowMode::Maximized: return ShowCmd::ShowMaximized;
        case TWindowMode::Minimized: return ShowCmd::ShowMinimized;
        case TWindowMode::Hidden: return ShowCmd::Hide;
        case TWindowMode::Default: break;
    }
    return ShowCmd::ShowDefault;
}

void TFormFront::BitBtnLaunchClick(TComponent*) {
    TTreeNode* node = tvItems->Selected();
    if (IsLinkNode(node)) LaunchItem(static_cast<int>(node->Data()));
}

void TFormFront::NorItemsRTClickItem(TComponent* sender) {
    if (auto* entry = dynamic_cast<TMenuItem*>(sender)) LaunchItem(static_cast<int>(entry->Tag));
}

void TFormFront::LaunchItem(int id) {
    bool runAs = GetItemRunAs(id);
    TWindowMode mode = WindowModeOf(GetItemWindowState(id));
    std::string workDir = ExpandItemPath(GetItemWorkDir(id));
    std::string params = GetItemParams(id);
    LaunchFile(GetItemLaunchPath(id), params, workDir, runAs, mode);
}

bool TFormFront::LaunchFile(const std::string& file, const std::string& params, const std::string& workDir, bool runAs,
                            TWindowMode mode) {
    std::string dir = workDir.empty() ? ExtractFileDir(file) : workDir;
    std::string ext = LowerCase(ExtractFileExt(file));
    OsVersion v = GetPlatform().System().Version();
    std::string verb = "open";
    if (runAs && v.PlatformId == 2 && v.Major >= 6) verb = "runas";
    if (ext == ".rdp") verb = "connect";
    return GetPlatform().Shell().Execute(0, verb, file, params, dir, ShowCommandOf(mode)) > 32;
}

}  // namespace pv
