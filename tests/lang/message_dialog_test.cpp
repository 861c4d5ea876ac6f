#include "lang/message_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/language_controller.h"
#include "tests/support/sim_test.h"

namespace pv {
namespace {

const std::string kTrans = "C:\\Program Files\\Pivola\\trans\\";
const std::string kGeneral = "UTF8_general.ini";

const char* const kGermanWords =
    "[StrsRes__MixedText__Dialogs__VCL__RS]\r\n"
    "Confirm__Value=Bestätigen\r\n"
    "Yes__Value=&Ja\r\n"
    "No__Value=&Nein\r\n";

class MessageDialog : public testing::SimTest {
protected:
    MessageDialog() {
        lc.SetTranslationFolder(kTrans);
        lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
    }
    // Asks a question answered Yes and gives what the desktop showed.
    MessageDialogRequest Ask(std::initializer_list<MsgDlgBtn> buttons, MsgDlgType kind = MsgDlgType::Confirmation) {
        sim.SimUI().ExpectMessageDialog("Go on?", ModalResult::Yes);
        EXPECT_EQ(ShowMessageDialog(sim, &texts, "Go on?", kind, buttons), ModalResult::Yes);
        return sim.SimUI().Dialogs.back();
    }
    static std::vector<std::string> Captions(const MessageDialogRequest& r) {
        std::vector<std::string> out;
        for (const auto& b : r.Buttons) out.push_back(b.Caption);
        return out;
    }
    TvdlgLanguageController lc{sim};
    TvdlgMessageDialogTexts texts;
};

TEST_F(MessageDialog, RegisteringStoresTheFifteenWordsUnderTheirLettersAndDigits) {
    texts.RegisterDialogTexts(lc, kGeneral);
    const IniDocument& base = lc.LanguageFiles().at("en-us|" + kGeneral);
    const std::pair<const char*, const char*> words[] = {
        {"Warning", "Warning"}, {"Error", "Error"},     {"Information", "Information"}, {"Confirm", "Confirm"},
        {"Yes", "&Yes"},        {"No", "&No"},           {"OK", "OK"},                   {"Cancel", "Cancel"},
        {"Abort", "&Abort"},    {"Retry", "&Retry"},     {"Ignore", "&Ignore"},          {"All", "&All"},
        {"NotoAll", "N&o to All"}, {"YestoAll", "Yes to &All"}, {"Help", "&Help"}};
    std::vector<std::string> keys;
    for (const auto& [key, text] : words) {
        keys.push_back(std::string(key) + "__Value");
        EXPECT_EQ(DecodeIniValue(base.ReadString("StrsRes__MixedText__Dialogs__VCL__RS", keys.back(), "?")), text);
    }
    EXPECT_EQ(base.Keys("StrsRes__MixedText__Dialogs__VCL__RS"), keys) << "in this order, without templates";
}

TEST_F(MessageDialog, NothingIsTranslatedBeforeTheDialogTextsAreRegistered) {
    Put(kTrans + "de-de\\" + kGeneral, kGermanWords);
    lc.SetCulture("de-de");
    MessageDialogRequest shown = Ask({MsgDlgBtn::Yes, MsgDlgBtn::No});
    EXPECT_EQ(shown.Title, "Confirm");
    EXPECT_EQ(Captions(shown), (std::vector<std::string>{"&Yes", "&No"}));
}

TEST_F(MessageDialog, AConfirmationShowsItsTitleAndButtonsInTheCulture) {
    texts.RegisterDialogTexts(lc, kGeneral);
    MessageDialogRequest english = Ask({MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel});
    EXPECT_EQ(english.Title, "Confirm");
    EXPECT_EQ(Captions(english), (std::vector<std::string>{"&Yes", "&No", "Cancel"})) << "as the platform made them";

    Put(kTrans + "de-de\\" + kGeneral, kGermanWords);
    lc.SetCulture("de-de");
    MessageDialogRequest german = Ask({MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel});
    EXPECT_EQ(german.Title, "Bestätigen");
    EXPECT_EQ(Captions(german), (std::vector<std::string>{"&Ja", "&Nein", "Cancel"}))
        << "a word the culture lacks keeps its registered English text";
    EXPECT_EQ(german.Text, "Go on?");
    EXPECT_EQ(german.Buttons[0].Result, ModalResult::Yes);

    MessageDialogRequest error = Ask({MsgDlgBtn::Ok}, MsgDlgType::Error);
    EXPECT_EQ(error.Title, "Error");
    EXPECT_EQ(Captions(error), (std::vector<std::string>{"OK"}));
}

TEST_F(MessageDialog, OnlyVisiblePushButtonsAreTranslatedAndEachFailureStaysLocal) {
    texts.RegisterDialogTexts(lc, kGeneral);
    Put(kTrans + "de-de\\" + kGeneral, kGermanWords);
    lc.SetCulture("de-de");
    MessageDialogRequest r = BuildMessageDialog("x", MsgDlgType::Confirmation, {MsgDlgBtn::Yes, MsgDlgBtn::No});
    r.Buttons[1].Visible = false;
    texts.TranslateMessageDialog(r);
    EXPECT_EQ(Captions(r), (std::vector<std::string>{"&Ja", "&No"}));

    // A language file that cannot be read fails every lookup; the box still shows, as built.
    sim.SimFiles().SetUnreadable(kTrans + "de-de\\" + kGeneral);
    lc.SetCulture("fr-fr");
    lc.SetCulture("de-de");
    MessageDialogRequest shown = Ask({MsgDlgBtn::Yes, MsgDlgBtn::No});
    EXPECT_EQ(shown.Title, "Confirm");
    EXPECT_EQ(Captions(shown), (std::vector<std::string>{"&Yes", "&No"}));
}

TEST_F(MessageDialog, TheHelpContextAndTheReadingDirectionReachTheDesktop) {
    sim.SimUI().ExpectMessageDialog("", ModalResult::Ok);
    ShowMessageDialog(sim, nullptr, "Done.", MsgDlgType::Information, {MsgDlgBtn::Ok}, 42, true);
    const MessageDialogRequest& shown = sim.SimUI().Dialogs.at(0);
    EXPECT_EQ(shown.HelpContext, 42);
    EXPECT_TRUE(shown.RightToLeft);
    EXPECT_EQ(shown.Title, "Information");
}

}  // namespace
}  // namespace pv
