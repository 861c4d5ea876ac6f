// Under Windows (or Wine): reloading a store of 1,000 links, 300 of them programs with
// real targets and icon files, against the shell's icon look-ups that the same reload
// cannot do without (one per program and one per kind of document), made in a bare loop
// in the same run. Prints "reload-shell ratio <x.xx>".
// The Windows headers, the shell's among them, come through the backend's common header.
#include "platform/win32/win32_common.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "platform/win32/win32_platform.h"
#include "util/bmp.h"
#include "util/paths.h"

using namespace pv;

namespace {

constexpr int kLinks = 1000;
constexpr int kPrograms = 300;
constexpr int kFolders = 20;
// The kinds of documents in the store, and the ones the reload always asks for.
const char* const kDocumentKinds[] = {"txt", "ini", "log", "htm", "xml", "bmp", "png", "jpg",
                                      "zip", "csv", "rtf", "wav", "doc", "pdf", "reg", "inf"};
const char* const kAlwaysAsked[] = {"exe", "com", "bat", "cmd", "wsf", "wsh", "rdp", "cpl"};

double Seconds(const auto& fn, int rounds) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

// Programs that exist on every installation: the system folder's own.
std::vector<std::string> SystemPrograms() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    std::vector<std::string> out;
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileW((std::wstring(folder) + L"\\*.exe").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
        out.push_back(win32::Narrow(folder) + "\\" + win32::Narrow(found.cFileName));
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return out;
}

// 20 folders of 50 links: every tenth link of three a program with its icon file beside
// the level, the others documents of 16 kinds.
void WriteStore(Platform& p, const std::string& shortcuts, const std::vector<std::string>& programs) {
    IFileSystem& files = p.Files();
    files.ForceDirectories(shortcuts);
    const std::string icon = EncodeBmp32(TBitmap32::Create(16, 16, 0xFF3366CC));
    std::string root;
    int program = 0;
    for (int f = 0; f < kFolders; ++f) {
        std::string name = "Folder " + std::to_string(f);
        std::string dir = shortcuts + "\\" + name;
        files.ForceDirectories(dir);
        root += "^Folder|" + name + "\r\n";
        std::string level;
        for (int i = 0; i < kLinks / kFolders; ++i) {
            int id = f * (kLinks / kFolders) + i;
            if (id % 10 < 3 && program < kPrograms) {
                const std::string& target = programs[program % programs.size()];
                std::string iconFile = "p" + std::to_string(program++) + ".bmp";
                files.WriteAllBytes(dir + "\\" + iconFile, icon);
                level += "^ExeLnk|" + target + "||" + iconFile + "|Program " + std::to_string(id) + "||\r\n";
            } else {
                std::string kind = kDocumentKinds[id % std::size(kDocumentKinds)];
                level += "^UnkLnk|C:\\docs\\d" + std::to_string(id) + "." + kind + "|" + kind + "|Document " +
                         std::to_string(id) + "|\r\n";
            }
        }
        files.WriteAllBytes(dir + "\\shortcuts.txt", level);
    }
    files.WriteAllBytes(shortcuts + "\\shortcuts.txt", root);
}

void SmallIcon(const std::wstring& path) {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) && info.hIcon)
        DestroyIcon(info.hIcon);
}

}  // namespace

int main() {
    auto platform = win32::CreateWin32Platform();
    std::vector<std::string> programs = SystemPrograms();
    if (programs.empty()) return 1;
    std::string data = IncludeTrailingBackslash(platform->Shell().PersonalFolder()) + "Vendrik\\Pivola\\";
    WriteStore(*platform, data + "shortcuts", programs);
    TApplication app(*platform);
    auto* frame = TComponent::Create<TModuleShared>(&app);
    TFormFront* front = frame->FormFront();
    if (!front) return 1;

    // The look-ups a reload cannot avoid: each program's icon, and the icon of each kind
    // of document, asked of an empty file of that kind.
    std::vector<std::wstring> asked;
    for (int i = 0; i < kPrograms; ++i) asked.push_back(win32::Wide(programs[i % programs.size()]));
    std::string temp = IncludeTrailingBackslash(frame->TempFolder);
    platform->Files().ForceDirectories(frame->TempFolder);
    std::vector<std::string> kinds(std::begin(kAlwaysAsked), std::end(kAlwaysAsked));
    kinds.insert(kinds.end(), std::begin(kDocumentKinds), std::end(kDocumentKinds));
    for (const std::string& kind : kinds) {
        std::string file = temp + "BenchFile." + kind;
        platform->Files().WriteAllBytes(file, "");
        asked.push_back(win32::Wide(file));
    }

    // Both once before measuring, so that neither pays for the shell's first loads.
    front->ReloadItems();
    for (const std::wstring& path : asked) SmallIcon(path);
    double reload = Seconds([&] { front->ReloadItems(); }, 3);
    double shell = Seconds([&] {
        for (const std::wstring& path : asked) SmallIcon(path);
    }, 3);
    for (const std::string& kind : kinds) platform->Files().DeleteFile(temp + "BenchFile." + kind);
    std::fprintf(stderr, "%d links (%d programs): reload %.1f ms, the shell's %zu icon look-ups alone %.1f ms\n", kLinks,
                 kPrograms, reload * 1000, asked.size(), shell * 1000);
    std::printf("reload-shell ratio %.2f\n", reload / shell);
    return 0;
}
