#include "platform/win32/win32_common.h"

#include <cstring>

#include "util/encoding.h"

namespace pv::win32 {

namespace {
thread_local std::exception_ptr parked;
}

std::wstring Wide(std::string_view utf8) {
    std::u16string u = Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(const wchar_t* wide, int length) {
    if (!wide) return {};
    std::u16string u = length < 0 ? std::u16string(reinterpret_cast<const char16_t*>(wide))
                                  : std::u16string(reinterpret_cast<const char16_t*>(wide), static_cast<size_t>(length));
    return Utf16ToUtf8(u);
}

std::string Narrow(const std::wstring& wide) { return Narrow(wide.c_str(), static_cast<int>(wide.size())); }

std::string LastErrorText(DWORD code) {
    wchar_t* buf = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::string text = n ? Narrow(buf, static_cast<int>(n)) : "System error " + std::to_string(code);
    if (buf) LocalFree(buf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

std::wstring CutToUnits(std::wstring text, size_t maxUnits) {
    if (text.size() <= maxUnits) return text;
    size_t cut = maxUnits;
    // A high surrogate as the last unit kept would lose its low half.
    if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    text.resize(cut);
    return text;
}

void ParkException(std::exception_ptr e) {
    // The first failure of a dispatch is the one the user should hear about.
    if (!parked) parked = e;
}

void RaiseParkedException() {
    if (!parked) return;
    std::exception_ptr e = parked;
    parked = nullptr;
    std::rethrow_exception(e);
}

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

HBITMAP TopDownDib(const TBitmap32& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biHeight = -picture.Height;  // negative: the first row in memory is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp || !bits) return nullptr;
    // 0xAARRGGBB held little-endian is B G R A, the byte order of the DIB's pixels.
    std::memcpy(bits, picture.Pixels.data(), picture.Pixels.size() * sizeof(uint32_t));
    return bmp;
}

void RegisterWindowClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW existing{};
    if (GetClassInfoW(ModuleInstance(), name, &existing)) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

}  // namespace pv::win32
