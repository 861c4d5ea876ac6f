#include "controls/shortcuts.h"

#include <gtest/gtest.h>

namespace pv {
namespace {

TEST(ShortCuts, TextsBecomeKeyValues) {
    struct Case {
        const char* text;
        TShortCut value;
    } cases[] = {
        {"CTRL+L", 0x4000 + 'L'},      {"Ctrl+L", 0x4000 + 'L'},      {"^L", 0x4000 + 'L'},
        {"ctrl+shift+f5", 0x6000 + 0x74}, {"Alt+Shift+PgDn", 0xA000 + 0x22}, {"Shift+Ctrl+Alt+Del", 0xE000 + 0x2E},
        {"F24", 0x87},                 {"Space", 0x20},               {"Ctrl+7", 0x4000 + '7'},
        {"", 0},                       {"Ctrl+", 0},                  {"Ctrl+Nope", 0},
        {"Hyper+L", 0},                {"L+Ctrl", 0},                 {"  Ctrl+L  ", 0x4000 + 'L'},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.value) << c.text;
}

TEST(ShortCuts, ValuesAreWrittenShiftCtrlAltThenTheKey) {
    EXPECT_EQ(ShortCutToText(0x4000 + 'L'), "Ctrl+L");
    EXPECT_EQ(ShortCutToText(0xE000 + 0x2E), "Shift+Ctrl+Alt+Del");
    EXPECT_EQ(ShortCutToText(0x70), "F1");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(0x4000 + 0xE9), "") << "a key without a name";
    for (const char* text : {"Ctrl+L", "Shift+BkSp", "Alt+Enter", "Shift+Ctrl+Home", "Esc", "Ins"})
        EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
}

}  // namespace
}  // namespace pv
