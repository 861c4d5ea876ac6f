#pragma once
// Plain values that cross the platform seam.
#include <cstdint>
#include <string>

namespace pv {

// An operating-system handle (window, menu, image list), or 0 for none. The model never
// looks inside it.
using NativeHandle = std::uintptr_t;

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0, cy = 0;
    bool operator==(const TSize&) const = default;
};

struct OsVersion {
    uint32_t PlatformId = 2;  // 2: the NT family, 1: Windows 95/98/ME
    uint32_t Major = 6;
    uint32_t Minor = 1;
    uint32_t Build = 7601;
    std::string ServicePack;
};

struct FontSpec {
    std::string Name = "Tahoma";
    int Size = 8;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const FontSpec&) const = default;
};

// Window states as the model and the placement records number them.
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct WindowPlacement {
    WindowState State = WindowState::Normal;
    TRect Normal;  // the restored rectangle, also while maximised or minimised
};

// Show commands handed to the shell.
namespace ShowCmd {
inline constexpr int Hide = 0;
inline constexpr int Normal = 1;
inline constexpr int ShowMinimized = 2;
inline constexpr int ShowMaximized = 3;
inline constexpr int ShowDefault = 10;
}  // namespace ShowCmd

}  // namespace pv
