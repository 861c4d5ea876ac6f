#include "frame/form_state.h"

#include "controls/form.h"
#include "platform/platform.h"
#include "util/strings.h"

namespace pv {

namespace {
int ReadInt(IFileSystem& files, const std::string& file, const std::string& section, const char* key, int def) {
    std::string text = files.GetProfileString(file, section, key, IntToStr(def));
    return TryStrToInt(text).value_or(def);
}
}  // namespace

void StoreFormPlacement(TForm& window, const std::string& file) {
    WindowPlacement p = window.GetPlacement();
    int state = p.State == WindowState::Maximized ? 2 : 0;  // a minimised window is stored as normal
    IFileSystem& files = window.GetPlatform().Files();
    const std::string& section = window.Name();
    files.WriteProfileString(file, section, "WindowState", IntToStr(state));
    files.WriteProfileString(file, section, "Top", IntToStr(p.Normal.Top));
    files.WriteProfileString(file, section, "Height", IntToStr(p.Normal.Height()));
    files.WriteProfileString(file, section, "Left", IntToStr(p.Normal.Left));
    files.WriteProfileString(file, section, "Width", IntToStr(p.Normal.Width()));
}

void RestoreFormPlacementFrom(TForm& window, const std::string& file) {
    WindowPlacement p = window.GetPlacement();
    IFileSystem& files = window.GetPlatform().Files();
    const std::string& section = window.Name();
    int state = ReadInt(files, file, section, "WindowState", static_cast<int>(p.State));
    int left = ReadInt(files, file, section, "Left", p.Normal.Left);
    int top = ReadInt(files, file, section, "Top", p.Normal.Top);
    int width = ReadInt(files, file, section, "Width", p.Normal.Width());
    int height = ReadInt(files, file, section, "Height", p.Normal.Height());
    window.SetBounds(left, top, width, height);
    if (state != 1 && state >= 0 && state <= 2) window.SetWindowState(static_cast<WindowState>(state));
}

}  // namespace pv
