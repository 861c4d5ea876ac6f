#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/menus.h"
#include "frame/form_base.h"
#include "frame/logging.h"
#include "frame/shared_options.h"
#include "platform/sim/sim_form.h"
#include "tests/app/translation_fixture.h"
#include "util/datetime.h"
#include "util/exception.h"

namespace pv {
namespace {

const std::string kGeneral = "UTF8_general.ini";
const std::string kShared = "UTF8_shared.ini";
const std::string kProgram = "UTF8_program.ini";

class FrameTextsTest : public testing::TranslationTest {};

// A secondary window of the frame, made after start-up.
class LateWindow : public TvdFormGenericStructEx {
public:
    explicit LateWindow(TComponent* owner) : TvdFormGenericStructEx(owner) {}
    PV_COMPONENT_CLASS(LateWindow)
};

TEST_F(FrameTextsTest, StartUpStartsTheControllerThenRegistersVariablesAndTheFrameTexts) {
    Start();
    TvdlgLanguageController& lc = Lang();
    EXPECT_EQ(lc.TranslationFolder(), kTrans);
    EXPECT_EQ(lc.Culture(), "en-us");
    EXPECT_EQ(lc.DesignCulture(), "en-us");
    EXPECT_EQ(lc.Options(), (TvdlgLanguageOptions{.UseBuiltInTexts = true, .StoreNonEmptyOnly = true}));
    EXPECT_EQ(lc.CurrentTemplateSystem(), "__curly");
    const std::pair<const char*, std::string> variables[] = {
        {"ProgramNameShort", "Pivola"},
        {"ProgramNameShortCommon", "Pivola"},
        {"CompanyUrlFull", "https://www.vendrik-software.example"},
        {"CompanyProductSupportEmail", "support@vendrik-software.example"},
        {"CompanyNameShort", "Vendrik"},
        {"CompanyNameLong", "Vendrik Software B.V."},
        {"CopyrightTime", "\xC2\xA9 2004-2026"},
        {"CopyrightHolders", "Vendrik Software B.V."},
        {"LogFilePath", kData + "logs\\misc\\program.log"},
        {"AppDataPath", kData + "temp\\"},
    };
    ASSERT_EQ(lc.TemplateVariables().size(), std::size(variables));
    for (const auto& [name, value] : variables) EXPECT_EQ(lc.TemplateVariables().at(name).Value, value) << name;

    // The order of registration shows in the order of the sections.
    EXPECT_EQ(Base(kGeneral).SectionNames(),
              (std::vector<std::string>{"StrsRes__MixedText__Dialogs__VCL__RS", "StrsRes__MixedText__Dialogs__Texts__RS",
                                        "StrsRes__MixedText__FileTypes", "StrsRes__MixedText__ManageFiles",
                                        "MetaData"}));
    EXPECT_EQ(Base(kShared).SectionNames(),
              (std::vector<std::string>{"MetaData", "StrsRes__MessageText__Module", "StrsRes__MixedText__Module",
                                        "StrsGui____Application__Module"}));
    EXPECT_EQ(Base(kGeneral).Keys("StrsRes__MixedText__FileTypes"),
              (std::vector<std::string>{"FileTypeHTML__Value", "UTF8Encoded__Value"}));
    EXPECT_EQ(Base(kGeneral).Keys("StrsRes__MixedText__Dialogs__Texts__RS"),
              (std::vector<std::string>{"DialogFindTextContinueTop__Value", "DialogFindTextContinueTop__Template",
                                        "DialogFindTextContinueBottom__Value", "DialogFindTextContinueBottom__Template",
                                        "DialogReplaceTextContinue__Value", "DialogReplaceTextContinue__Template"}));
    EXPECT_EQ(Base(kShared).Keys("StrsRes__MessageText__Module"),
              (std::vector<std::string>{"ProblemPersists__Value", "ProblemPersists__Template", "NoErrorMessageText__Value",
                                        "ErrorOccuredDetails__Value", "OpenBrowserMoreInfo__Value",
                                        "ProblemViewDetails__Value"}));
    EXPECT_EQ(Base(kShared).Keys("StrsRes__MixedText__Module"),
              (std::vector<std::string>{"SelectOutputDir__Value", "NoHelpAvailableTopic__Value"}));
    EXPECT_EQ(Base(kShared).ReadString("StrsGui____Application__Module", "Application.BiDiMode", ""), "LeftToRight");

    TvdlgTransMetaData meta{"en-us",
                            "English (US)",
                            "Vendrik Software B.V.",
                            "support@vendrik-software.example",
                            "https://www.vendrik-software.example",
                            "",
                            "Please email suggestions and/or corrections.",
                            FormatIsoDateTime(sim.Clock().Now()),
                            "Pivola",
                            "1.7.9"};
    for (const std::string& file : {kGeneral, kShared, kProgram}) EXPECT_EQ(lc.ReadMetaData("en-us", file), meta) << file;

    // The texts with variables, as the program fetches them.
    lc.SetTemplateVariable("dynDirFilePathName", "C:\\x.ini", true);
    EXPECT_EQ(lc.GetText(kGeneral, "__MixedText__ManageFiles", "SaveFileChanges", "", false),
              "Save file \"C:\\x.ini\" changes?");
    std::string persists = lc.GetText(kShared, "__MessageText__Module", "ProblemPersists", "", false);
    EXPECT_NE(persists.find("try visit https://www.vendrik-software.example and check"), std::string::npos);
    EXPECT_NE(persists.find("issues.\r\n\r\nAs an alternative please email \"" + kData + "logs\\misc\\program.log\""),
              std::string::npos);
    EXPECT_TRUE(persists.ends_with("ocurred to support@vendrik-software.example and we will do our best to resolve the "
                                   "problem."));
    EXPECT_EQ(frame->FrameMessage("ErrorOccuredDetails"), "Error occured");
}

TEST_F(FrameTextsTest, TheCultureOfTheOptionsIsNormalizedAndWrittenBack) {
    sim.Files().ForceDirectories(kTrans + "es-us");
    StartIn("es");
    EXPECT_EQ(frame->Options->LanguageCulture, "es-us");
    EXPECT_EQ(Lang().Culture(), "es-us");
    EXPECT_EQ(Lang().DesignCulture(), "");
}

TEST_F(FrameTextsTest, ACultureWrittenRightToLeftTurnsTheApplicationAndEveryWindow) {
    const std::pair<const char*, bool> cases[] = {{"RightToLeft", true}, {"righttoleft", false}};
    for (const auto& [text, rtl] : cases) {
        PutLanguage("ar-sa", kShared, std::string("[StrsGui____Application__Module]\r\nApplication.BiDiMode=") + text);
        StartIn("ar-sa");
        EXPECT_EQ(app->BiDiMode() != TBiDiMode::LeftToRight, rtl) << text;
        EXPECT_EQ(sim.SimUI().RightToLeft, rtl) << text;
        EXPECT_EQ(sim.SimUI().FindForm("TFormFront")->RightToLeft, rtl) << text;
        Stop();
    }

    // At run time the open windows turn, and windows made later read the same way.
    PutLanguage("ar-sa", kShared, "[StrsGui____Application__Module]\r\nApplication.BiDiMode=RightToLeft");
    StartIn("en-us");
    EXPECT_FALSE(sim.SimUI().FindForm("TFormFront")->RightToLeft);
    SwitchTo("ar-sa");
    EXPECT_TRUE(sim.SimUI().FindForm("TFormFront")->RightToLeft);
    TForm* late = nullptr;
    frame->ShowForm(&late, {"LateWindow", [](TComponent* o) -> TForm* { return TComponent::Create<LateWindow>(o); }},
                    nullptr, false, false);
    EXPECT_TRUE(sim.SimUI().FindForm("LateWindow")->RightToLeft);
    sim.SimUI().ExpectMessageDialog("", ModalResult::No);
    frame->ReportError(nullptr, EInOutError("x"));
    EXPECT_TRUE(sim.SimUI().Dialogs.back().RightToLeft) << "message boxes read the same way";
    SwitchTo("en-us");
    EXPECT_FALSE(sim.SimUI().FindForm("TFormFront")->RightToLeft);
    EXPECT_FALSE(sim.SimUI().FindForm("LateWindow")->RightToLeft);
    EXPECT_EQ(app->BiDiMode(), TBiDiMode::LeftToRight);
}

TEST_F(FrameTextsTest, TheErrorReportSpeaksTheCulture) {
    PutLanguage("de-de", kShared,
                "[StrsRes__MessageText__Module]\r\n"
                "ErrorOccuredDetails__Value=Ein Fehler ist aufgetreten\r\n"
                "OpenBrowserMoreInfo__Value=Browser öffnen?\r\n");
    PutLanguage("de-de", kGeneral,
                "[StrsRes__MixedText__Dialogs__VCL__RS]\r\nError__Value=Fehler\r\nYes__Value=&Ja\r\nNo__Value=&Nein\r\n");
    StartIn("de-de");
    sim.SimUI().ExpectMessageDialog("Ein Fehler", ModalResult::Yes);
    frame->ReportError(nullptr, EFOpenError("Wo ist die Datei?"));
    const MessageDialogRequest& shown = sim.SimUI().Dialogs.at(0);
    EXPECT_EQ(shown.Text, "Ein Fehler ist aufgetreten: \"Wo ist die Datei?\"\r\n\r\nBrowser öffnen?");
    EXPECT_EQ(shown.Title, "Fehler");
    ASSERT_EQ(shown.Buttons.size(), 2u);
    EXPECT_EQ(shown.Buttons[0].Caption, "&Ja");
    EXPECT_EQ(shown.Buttons[1].Caption, "&Nein");
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u);
    EXPECT_TRUE(sim.SimShellCalls().Calls[0].File.ends_with("&ec=EFOpenError&em=Wo ist die Datei[Question]"))
        << "the support address is never translated";

    // A shared file that can no longer be read leaves the report in English.
    sim.SimFiles().SetUnreadable(kTrans + "de-de\\" + kShared);
    sim.SimFiles().SetUnreadable(kTrans + "de-de\\" + kGeneral);
    Lang().SetCulture("en-us");
    Lang().SetCulture("de-de");
    sim.SimUI().ExpectMessageDialog("Error occured", ModalResult::No);
    frame->ReportError(nullptr, EInOutError("x"));
    EXPECT_EQ(sim.SimUI().Dialogs.back().Title, "Error");
}

TEST_F(FrameTextsTest, BadLanguageFilesLoadWithoutErrorAndYieldWhatTheRulesGive) {
    std::string binary;
    uint32_t x = 7;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        binary += static_cast<char>(x >> 24);
    }
    std::string huge;
    while (huge.size() < 3u << 20) huge += "[StrsGui____Controls__Other]\r\nKey" + std::to_string(huge.size()) + "=Wert\r\n";
    const std::string good = "\r\n[StrsGui____Menus__FrontMain]\r\nmiManageItems.Caption=Verwalten\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {binary, "Manage items..."},
        {binary + good, "Verwalten"},
        {huge + good, "Verwalten"},
        {"no equals sign\r\n[StrsGui____Menus__FrontMain\r\n=\r\nmiManageItems.Caption\r\n]\r\n", "Manage items..."},
        {"[strsgui____menus__frontmain]\r\nMIMANAGEITEMS.CAPTION=Verwalten\r\n", "Verwalten"},
        {good + "[STRSGUI____MENUS__FRONTMAIN]\r\nmimanageitems.caption=Zuletzt\r\n", "Zuletzt"},
    };
    for (const auto& [body, caption] : cases) {
        PutLanguage("de-de", kProgram, body);
        StartIn("de-de");
        EXPECT_EQ(Front()->miManageItems->Caption, caption);
        EXPECT_EQ(Front()->BitBtnAttach->Caption(), "Find and Attach");
        EXPECT_TRUE(sim.SimUI().Dialogs.empty()) << "no error was reported";
        Stop();
    }
}

TEST_F(FrameTextsTest, ACultureFolderWithoutFilesFallsBackToEnglish) {
    sim.Files().ForceDirectories(kTrans + "fr-fr");
    Start();
    auto english = Front()->miManageItems->Caption;
    Stop();
    StartIn("fr-fr");
    EXPECT_EQ(Lang().Culture(), "fr-fr");
    EXPECT_EQ(Lang().DesignCulture(), "") << "the lookups consult the registered English texts";
    EXPECT_EQ(Front()->miManageItems->Caption, english);
    EXPECT_EQ(Front()->BitBtnAttach->Hint(), "|Find and/or attach an item of selected kind");
    EXPECT_EQ(Front()->Message("WantSaveChanges"), "Do you want to save changes?");
    EXPECT_EQ(frame->FrameMessage("OpenBrowserMoreInfo"), "Open browser to view more information?");
    EXPECT_EQ(app->BiDiMode(), TBiDiMode::LeftToRight);
    sim.SimUI().ExpectMessageDialog("", ModalResult::No);
    frame->ReportError(nullptr, EInOutError("x"));
    EXPECT_EQ(sim.SimUI().Dialogs.back().Buttons[0].Caption, "&Yes");
}

}  // namespace
}  // namespace pv
