// Under Windows (or Wine): the time from the hot key to the realised tray menu for a
// store of 1,000 links in 50 folders, against a bare loop that appends the same 1,000
// entries to native menus, measured in the same run. Prints "menu ratio <x.xx>".
#include "platform/win32/win32_menus.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/menus.h"
#include "platform/win32/win32_platform.h"
#include "util/paths.h"

using namespace pv;

namespace {

constexpr int kLinks = 1000;
constexpr int kFolders = 50;

double Seconds(const auto& fn, int rounds) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

// The store: 50 folders of 20 documents each, written into the data folder.
void WriteStore(Platform& p, const std::string& shortcuts) {
    IFileSystem& files = p.Files();
    files.ForceDirectories(shortcuts);
    std::string root;
    for (int f = 0; f < kFolders; ++f) {
        std::string name = "Folder " + std::to_string(f);
        root += "^Folder|" + name + "\r\n";
        std::string level;
        for (int i = 0; i < kLinks / kFolders; ++i) {
            int id = f * (kLinks / kFolders) + i;
            level += "^UnkLnk|C:\\docs\\d" + std::to_string(id) + ".txt|txt|Document " + std::to_string(id) + "|\r\n";
            if (i % 5 == 4) level += "^NorSep|\r\n";
        }
        files.ForceDirectories(shortcuts + "\\" + name);
        files.WriteAllBytes(shortcuts + "\\" + name + "\\shortcuts.txt", level);
    }
    files.WriteAllBytes(shortcuts + "\\shortcuts.txt", root);
}

// What the hot key does before the menu is on the screen: the menu's own preparation,
// which makes the native menu only when the model changed since the last showing.
void RealiseMenu(TPopupMenu& menu) {
    if (menu.OnPopup) menu.OnPopup(&menu);
    menu.Realise();
}

void BareMenus(const TMenuItem& root) {
    HMENU top = CreatePopupMenu();
    for (int f = 0; f < root.Count(); ++f) {
        const TMenuItem* folder = root.Items(f);
        HMENU sub = CreatePopupMenu();
        for (int i = 0; i < folder->Count(); ++i)
            AppendMenuW(sub, MF_STRING, 1000 + f * 100 + i, L"Document entry");
        AppendMenuW(top, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), L"Folder");
    }
    DestroyMenu(top);
}

}  // namespace

int main() {
    auto platform = win32::CreateWin32Platform();
    std::string data = IncludeTrailingBackslash(platform->Shell().PersonalFolder()) + "Vendrik\\Pivola\\";
    WriteStore(*platform, data + "shortcuts");
    TApplication app(*platform);
    auto* frame = TComponent::Create<TModuleShared>(&app);
    TFormFront* front = frame->FormFront();
    if (!front) return 1;
    TPopupMenu& menu = *front->pmItems;
    int entries = 0;
    for (int f = 0; f < menu.Items()->Count(); ++f) entries += menu.Items()->Items(f)->Count();
    // The first showing after a reload builds the native menu; the hot key after it finds
    // the menu made.
    double first = Seconds([&] { RealiseMenu(menu); }, 1);
    double realise = Seconds([&] { RealiseMenu(menu); }, 20);
    double bare = Seconds([&] { BareMenus(*menu.Items()); }, 20);
    std::fprintf(stderr, "%d entries: hot key to realised menu %.3f ms (first showing after a reload %.2f ms), bare loop %.2f ms\n",
                 entries, realise * 1000, first * 1000, bare * 1000);
    std::printf("menu ratio %.2f\n", realise / bare);
    return 0;
}
