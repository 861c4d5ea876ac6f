// The screen fonts installed and the screen's work area.
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_system.h"

#include <set>

namespace pv::win32 {

namespace {

struct FontList {
    std::vector<std::string> Names;
    std::set<std::wstring> Seen;  // the system lists a family once per character set
};

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto* list = reinterpret_cast<FontList*>(data);
    std::wstring name = font->lfFaceName;
    // "@" marks the vertical form of a family for East Asian writing.
    if (name.empty() || name[0] == L'@' || !list->Seen.insert(name).second) return 1;
    list->Names.push_back(Narrow(name));
    return 1;
}

}  // namespace

std::vector<std::string> Win32SystemInfo::ScreenFontNames() {
    FontList list;
    HDC dc = GetDC(nullptr);
    if (!dc) return {};
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, AddFamily, reinterpret_cast<LPARAM>(&list), 0);
    ReleaseDC(nullptr, dc);
    return list.Names;
}

TRect Win32SystemInfo::WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace pv::win32
