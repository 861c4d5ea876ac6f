#include "controls/shortcuts.h"

#include "util/strings.h"

namespace pv {

namespace {
struct NamedKey {
    const char* Name;
    uint32_t Key;
};
const NamedKey kNamedKeys[] = {{"BkSp", 0x08}, {"Tab", 0x09},   {"Enter", 0x0D}, {"Esc", 0x1B},   {"Space", 0x20},
                               {"PgUp", 0x21}, {"PgDn", 0x22},  {"End", 0x23},   {"Home", 0x24},  {"Left", 0x25},
                               {"Up", 0x26},   {"Right", 0x27}, {"Down", 0x28},  {"Ins", 0x2D},   {"Del", 0x2E}};

bool TakePrefix(std::string& rest, const char* prefix) {
    if (!StartsWithText(rest, prefix)) return false;
    rest.erase(0, std::char_traits<char>::length(prefix));
    return true;
}
}  // namespace

std::string KeyName(uint32_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
    for (const auto& k : kNamedKeys)
        if (k.Key == key) return k.Name;
    return {};
}

TShortCut TextToShortCut(const std::string& text) {
    std::string rest = Trim(text);
    TShortCut mods = 0;
    while (true) {
        if (TakePrefix(rest, "Shift+")) mods |= ShortCutBit::Shift;
        else if (TakePrefix(rest, "Ctrl+") || TakePrefix(rest, "^")) mods |= ShortCutBit::Ctrl;
        else if (TakePrefix(rest, "Alt+")) mods |= ShortCutBit::Alt;
        else break;
    }
    if (rest.empty()) return 0;
    for (uint32_t key = 1; key < 0x100; ++key) {
        std::string name = KeyName(key);
        if (!name.empty() && SameText(name, rest)) return mods | key;
    }
    return 0;
}

std::string ShortCutToText(TShortCut shortcut) {
    std::string name = KeyName(shortcut & ShortCutBit::KeyMask);
    if (name.empty()) return {};
    std::string text;
    if (shortcut & ShortCutBit::Shift) text += "Shift+";
    if (shortcut & ShortCutBit::Ctrl) text += "Ctrl+";
    if (shortcut & ShortCutBit::Alt) text += "Alt+";
    return text + name;
}

}  // namespace pv
