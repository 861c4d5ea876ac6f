#pragma once
// Keyboard shortcuts as values (a virtual key with modifier bits) and in the toolkit's
// text form: modifier prefixes "Shift+", "Ctrl+" (also "^") and "Alt+", then one key
// name, compared without regard to case.
#include <cstdint>
#include <string>

namespace pv {

using TShortCut = uint32_t;  // 0: none

namespace ShortCutBit {
inline constexpr TShortCut Shift = 0x2000;
inline constexpr TShortCut Ctrl = 0x4000;
inline constexpr TShortCut Alt = 0x8000;
inline constexpr TShortCut KeyMask = 0x00FF;
}  // namespace ShortCutBit

// Text that does not parse gives 0 (no shortcut).
TShortCut TextToShortCut(const std::string& text);
// The prefixes in the order Shift, Ctrl, Alt; empty for 0.
std::string ShortCutToText(TShortCut shortcut);
// The key's name ("L", "F5", "PgUp"); empty for a key without one.
std::string KeyName(uint32_t virtualKey);

}  // namespace pv
