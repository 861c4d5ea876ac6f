#include "lang/template_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/language_controller.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

class TemplateExpansion : public testing::SimTest {
protected:
    TemplateExpansion() {
        lc.SetTemplateVariable("CompanyNameShort", "Vendrik", false);
        lc.SetTemplateVariable("CompanyNameLong", "Vendrik Ltd.", false);
        lc.SetTemplateVariable("A", "a", false);
        lc.SetTemplateVariable("B", "b", false);
        lc.SetTemplateVariable("Outer", "[{Inner}]", false);
        lc.SetTemplateVariable("Inner", "in", false);
        lc.SetTemplateVariable("Empty", "", false);
    }
    TvdlgLanguageController lc{sim};
};

TEST_F(TemplateExpansion, FillsInVariablesAsTheRulesSay) {
    struct Case {
        const char* System;
        const char* Text;
        const char* Expected;
    };
    const Case cases[] = {
        {"__curly", "Distributed by {CompanyNameLong}", "Distributed by Vendrik Ltd."},
        {"__CURLY", "{companynamelong} / {COMPANYNAMELONG} / {CompanyNameLong}",
         "Vendrik Ltd. / Vendrik Ltd. / Vendrik Ltd."},
        {"__curly", "Visit {Nowhere} now", "Visit Nowhere now"},
        {"__curly", "a{}b", "ab"},
        {"__curly", "a { b {X} c", "a  b {X c"},
        {"__curly", "{A} then {B", "a then {B"},
        {"__curly", "}{A}", "}a"},
        {"__curly", "{Outer}", "[in]"},
        {"__curly", "{Empty}", "Empty"},
        {"__dollar", "$CompanyNameShort$ files", "Vendrik files"},
        {"__sharp", "#A# and #B#", "a and b"},
        {"__sharp", "#A# and #B", "a and #B"},
        {"__curly", "$A$ #A#", "$A$ #A#"},
        {"__none", "{A}", "{A}"},
        {"", "{A}", "{A}"},
    };
    for (const Case& c : cases) EXPECT_EQ(lc.ExpandTemplate(c.System, c.Text), c.Expected) << c.System << " " << c.Text;
}

TEST_F(TemplateExpansion, ProviderAnswersOnlyWhenTheValueIsEmpty) {
    std::vector<std::string> asked;
    auto provider = [&](const std::string& name) {
        asked.push_back(name);
        return "<" + name + ">";
    };
    lc.SetTemplateVariable("Dyn", "", false, provider);
    lc.SetTemplateVariable("Fixed", "fixed", false, provider);
    EXPECT_EQ(lc.ExpandTemplate("__curly", "{dyn} {Fixed}"), "<dyn> fixed");
    EXPECT_EQ(asked, std::vector<std::string>{"dyn"});
}

TEST_F(TemplateExpansion, OverwriteDecidesWhetherASecondRegistrationCounts) {
    lc.SetTemplateVariable("dynDialogFindText", "abc", true);
    lc.SetTemplateVariable("DYNDIALOGFINDTEXT", "xyz", false);
    EXPECT_EQ(lc.ExpandTemplate("__curly", "{dynDialogFindText}"), "abc");
    lc.SetTemplateVariable("dynDialogFindText", "xyz", true);
    EXPECT_EQ(lc.ExpandTemplate("__curly", "{dynDialogFindText}"), "xyz");
    EXPECT_EQ(lc.TemplateVariables().size(), 8u);
    // Overwriting replaces the provider too.
    lc.SetTemplateVariable("Dyn", "", true, [](const std::string&) { return std::string("p"); });
    lc.SetTemplateVariable("Dyn", "", true);
    EXPECT_EQ(lc.ExpandTemplate("__curly", "{Dyn}"), "Dyn");
}

TEST_F(TemplateExpansion, SystemsAndStack) {
    EXPECT_EQ(lc.TemplateSystems().size(), 3u);
    EXPECT_EQ(lc.TemplateStack(), std::vector<std::string>{""});
    EXPECT_EQ(lc.CurrentTemplateSystem(), "");
    lc.AddTemplateSystem("__Curly", "<<", ">>");  // already present: keeps "{" and "}"
    lc.AddTemplateSystem("__angle", "<<", ">>");
    EXPECT_EQ(lc.ExpandTemplate("__curly", "{A}<<A>>"), "a<<A>>");
    EXPECT_EQ(lc.ExpandTemplate("__angle", "{A}<<A>>"), "{A}a");
    lc.PushTemplateSystem("__curly");
    lc.PushTemplateSystem("__angle");
    EXPECT_EQ(lc.CurrentTemplateSystem(), "__angle");
    EXPECT_EQ(lc.TemplateStack().size(), 3u);
}

TEST_F(TemplateExpansion, SystemWithAnEmptyMarkerLeavesTextsAlone) {
    lc.AddTemplateSystem("__blank", "", "");
    lc.AddTemplateSystem("__open", "[", "");
    EXPECT_EQ(lc.ExpandTemplate("__blank", "{A} text"), "{A} text");
    EXPECT_EQ(lc.ExpandTemplate("__open", "[A] text"), "[A] text");
}

TEST_F(TemplateExpansion, SelfReferringVariablesEndWithinTheBounds) {
    lc.SetTemplateVariable("Self", "x{Self}", false);
    lc.SetTemplateVariable("Ping", "{Pong}", false);
    lc.SetTemplateVariable("Pong", "{Ping}", false);
    lc.SetTemplateVariable("Double", "{Double}{Double}", false);
    const std::string grown = lc.ExpandTemplate("__curly", "{Self}");
    EXPECT_EQ(grown, std::string(1001, 'x') + "{Self}");
    const std::string circled = lc.ExpandTemplate("__curly", "<{Ping}>");
    EXPECT_TRUE(circled == "<{Ping}>" || circled == "<{Pong}>") << circled;
    const std::string doubled = lc.ExpandTemplate("__curly", "{Double}");
    EXPECT_LE(doubled.size(), size_t{1} << 20);
    EXPECT_GT(doubled.size(), size_t{1} << 19);
}

TEST(TemplateLimits, RoundAndLengthBoundsStopTheExpansionWhereTheyAreReached) {
    const TvdlgTemplateSystem curly{"{", "}"};
    TvdlgTemplateVariables vars;
    vars["A"].Value = "x{A}";
    vars["D"].Value = "{D}{D}";
    EXPECT_EQ(ExpandTemplateText(curly, vars, "{A}", {.ExtraRounds = 5, .MaxLength = 100}), "xxxxxx{A}");
    // 3, 6, 12, ... characters: the step to 192 would pass the bound, so 96 stays.
    EXPECT_EQ(ExpandTemplateText(curly, vars, "{D}", {.ExtraRounds = 100, .MaxLength = 100}).size(), 96u);
    // A text longer than the bound may still shrink.
    std::string longText = "{Gone}" + std::string(200, '.');
    EXPECT_EQ(ExpandTemplateText(curly, vars, longText, {.ExtraRounds = 0, .MaxLength = 100}),
              "Gone" + std::string(200, '.'));
}

TEST(TemplateLimits, ManyDistinctTokensAreAllExpandedDespiteTheRoundBound) {
    std::string text, expected;
    for (int i = 0; i < 1500; ++i) {
        text += "{t" + std::to_string(i) + "}";
        expected += "t" + std::to_string(i);
    }
    EXPECT_EQ(ExpandTemplateText({"{", "}"}, {}, text), expected);
}

}  // namespace
}  // namespace pv
