#include "lang/language_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

const std::string kTrans = "C:\\Program Files\\Pivola\\trans\\";
const std::string kProgram = "UTF8_program.ini";
const std::string kMessages = "__MessageText__FrontMain";
const std::string kControls = "____Controls__FrontMain";

const std::string kGermanProgram =
    "\xEF\xBB\xBF[StrsRes__MessageText__FrontMain]\r\n"
    "WantSaveChanges__Value=Änderungen speichern?\r\n"
    "Blank__Value=\r\n"
    "Backup__Value=Sicherung in {AppDataPath}\r\n"
    "[StrsGui____Controls__FrontMain]\r\n"
    "BitBtnAttach.Caption=Anhängen\r\n";

class LanguageController : public testing::SimTest {
protected:
    LanguageController() { lc.SetTranslationFolder("C:\\Program Files\\Pivola\\trans"); }
    void PutLanguageFile(const std::string& culture, const std::string& file, const std::string& body) {
        Put(kTrans + culture + "\\" + file, body);
    }
    std::string Message(const std::string& key, const std::string& def = "", bool expand = false) {
        return lc.GetText(kProgram, kMessages, key, def, expand);
    }
    std::string Gui(const std::string& key, const std::string& def) {
        return lc.GetGuiText(kProgram, kControls, key, def);
    }
    std::vector<std::string> CachedKeys() const {
        std::vector<std::string> keys;
        for (const auto& [key, doc] : lc.LanguageFiles()) keys.push_back(key);
        return keys;
    }
    TvdlgLanguageController lc{sim};
};

TEST_F(LanguageController, StartsInTheBaseCultureWithNothingCached) {
    TvdlgLanguageController fresh(sim);
    EXPECT_EQ(fresh.BaseCulture(), "en-us");
    EXPECT_EQ(fresh.DesignCulture(), "en-us");
    EXPECT_EQ(fresh.Culture(), "en-us");
    EXPECT_EQ(fresh.Options(), TvdlgLanguageOptions{});
    EXPECT_EQ(fresh.TranslationFolder(), "");
    EXPECT_TRUE(fresh.LanguageFiles().empty());
    EXPECT_TRUE(fresh.TemplateVariables().empty());
}

TEST_F(LanguageController, TranslationFolderEndsWithABackslashOnceSet) {
    EXPECT_EQ(lc.TranslationFolder(), kTrans);
    lc.SetTranslationFolder(kTrans);
    EXPECT_EQ(lc.TranslationFolder(), kTrans);
    lc.SetTranslationFolder("");
    EXPECT_EQ(lc.TranslationFolder(), "");
}

TEST_F(LanguageController, NormalizeCultureMapsOnlyABareEsToAnInstalledEsUs) {
    EXPECT_EQ(lc.NormalizeCulture("es"), "es");  // no es-us folder yet
    sim.Files().ForceDirectories(kTrans + "es-us");
    const std::pair<const char*, const char*> cases[] = {
        {"es", "es-us"}, {"ES", "ES"}, {"es-mx", "es-mx"}, {"de", "de"}, {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(lc.NormalizeCulture(in), out) << in;
    TvdlgLanguageController noFolder(sim);
    EXPECT_EQ(noFolder.NormalizeCulture("es"), "es");
}

TEST_F(LanguageController, MessageLookupFallsBackFromTheCultureToRegisteredEnglishToTheDefault) {
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    lc.RegisterText(kProgram, kMessages, "WantSaveChanges", "Save changes?", "");
    lc.RegisterText(kProgram, kMessages, "OnlyEnglish", "English only", "");
    lc.RegisterText(kProgram, kMessages, "Blank", "Not blank", "");
    lc.SetCulture("de-de");

    EXPECT_EQ(Message("WantSaveChanges"), "Änderungen speichern?");
    EXPECT_EQ(lc.GetText(kProgram, "__messagetext__frontmain", "WANTSAVECHANGES", "", false), "Änderungen speichern?");
    EXPECT_EQ(Message("OnlyEnglish", "default"), "English only");
    EXPECT_EQ(Message("Blank", "default"), "");  // present but empty is a text, not a gap
    EXPECT_EQ(Message("Unknown", "default"), "default");
    EXPECT_EQ(Message("Unknown"), "");
    lc.SetTemplateVariable("A", "a", false);
    EXPECT_EQ(Message("Unknown", "{A}", true), "{A}");  // a default is returned as given
}

TEST_F(LanguageController, CultureWithoutAFolderShowsTheRegisteredEnglishTexts) {
    lc.RegisterText(kProgram, kMessages, "WantSaveChanges", "Save changes?", "");
    lc.RegisterGuiText(kProgram, kControls, "BitBtnAttach.Caption", "Attach");
    lc.SetCulture("fr-fr");
    EXPECT_EQ(Message("WantSaveChanges", "default"), "Save changes?");
    EXPECT_EQ(Gui("BitBtnAttach.Caption", "current"), "Attach");
    EXPECT_EQ(Gui("BitBtnOther.Caption", "current"), "current");
}

TEST_F(LanguageController, RegisteredTextsSurviveTheirEscapesAndExpandWithTheirTemplate) {
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    lc.SetTemplateVariable("AppDataPath", "C:\\Program Files\\Pivola\\shortcuts\\", false);
    lc.RegisterText(kProgram, kMessages, "Backup", "Backup in {AppDataPath}", "__curly");
    lc.RegisterText(kProgram, kMessages, "Multi", " Line one\r\nLine <two> & \tthree", "");

    EXPECT_EQ(Message("Backup"), "Backup in C:\\Program Files\\Pivola\\shortcuts\\");
    EXPECT_EQ(Message("Multi"), " Line one\r\nLine <two> & \tthree");
    lc.SetCulture("de-de");
    // The template is read from the file that answered; this translation names none.
    EXPECT_EQ(Message("Backup"), "Sicherung in {AppDataPath}");
    EXPECT_EQ(Message("Multi"), " Line one\r\nLine <two> & \tthree");
}

TEST_F(LanguageController, BuiltInTextsAnswerExpandingLookupsInTheBaseCulture) {
    PutLanguageFile("en-us", kProgram,
                    "[StrsRes__MessageText__FrontMain]\r\nWantSaveChanges__Value=From the file\r\n"
                    "FileOnly__Value=File only\r\n");
    lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
    lc.PushTemplateSystem("__curly");
    lc.SetTemplateVariable("ProgramNameShort", "Pivola", false);
    lc.RegisterText(kProgram, kMessages, "WantSaveChanges", "Save changes?", "");

    EXPECT_EQ(Message("WantSaveChanges", "Save {ProgramNameShort}?", true), "Save Pivola?");
    EXPECT_EQ(Message("WantSaveChanges"), "Save changes?");
    EXPECT_EQ(Message("FileOnly", "default"), "File only");
    lc.SetCulture("de-de");
    EXPECT_EQ(Message("WantSaveChanges", "Save {ProgramNameShort}?", true), "Save changes?");
}

TEST_F(LanguageController, GuiLookupKeepsDesignTextsUntilAnotherCultureWasShown) {
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    PutLanguageFile("en-us", kProgram, "[StrsGui____Controls__FrontMain]\r\nBitBtnFind.Caption=From the file\r\n");
    lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
    lc.PushTemplateSystem("__curly");
    lc.SetTemplateVariable("Save", "saved", false);
    lc.RegisterGuiText(kProgram, kControls, "BitBtnAttach.Caption", "Attach");
    lc.RegisterGuiText(kProgram, kControls, "BitBtnSave.Caption", "{Save}");

    EXPECT_EQ(Gui("BitBtnFind.Caption", "Find"), "Find");  // the file is not consulted
    lc.SetCulture("de-de");
    EXPECT_EQ(lc.DesignCulture(), "");
    EXPECT_EQ(Gui("BitBtnAttach.Caption", "Attach"), "Anhängen");
    EXPECT_EQ(Gui("BitBtnSave.Caption", "{Save}"), "{Save}");  // GUI texts are never expanded
    lc.SetCulture("en-us");
    EXPECT_EQ(lc.DesignCulture(), "");
    EXPECT_EQ(Gui("BitBtnAttach.Caption", "Anhängen"), "Attach");
    EXPECT_EQ(Gui("BitBtnFind.Caption", "Suchen"), "From the file");
}

TEST_F(LanguageController, EmptyTextsAreStoredAsTheOptionsSay) {
    lc.SetOptions({.StoreNonEmptyOnly = true});
    lc.RegisterGuiText(kProgram, kControls, "Skipped.Hint", "");
    lc.RegisterText(kProgram, kMessages, "Name", "", "");
    lc.SetOptions({});
    lc.RegisterGuiText(kProgram, kControls, "Kept.Hint", "");
    lc.SetCulture("de-de");

    EXPECT_EQ(Gui("Skipped.Hint", "current"), "current");
    EXPECT_EQ(Gui("Kept.Hint", "current"), "");
    EXPECT_EQ(Message("Name", "default"), "");
    const IniDocument& base = lc.LanguageFiles().at("en-us|" + kProgram);
    EXPECT_EQ(base.ToText(),
              "[StrsRes__MessageText__FrontMain]\r\nName__Value=\r\n\r\n"
              "[StrsGui____Controls__FrontMain]\r\nKept.Hint=\r\n\r\n");
}

TEST_F(LanguageController, RegisteringAgainReplacesTheEarlierLinesInPlace) {
    lc.RegisterText(kProgram, kMessages, "First", "one", "");
    lc.RegisterText(kProgram, kMessages, "Second", "two", "");
    lc.RegisterText(kProgram, kMessages, "first", "uno", "__curly");
    const IniDocument& base = lc.LanguageFiles().at("en-us|" + kProgram);
    EXPECT_EQ(base.Keys("StrsRes" + kMessages),
              (std::vector<std::string>{"First__Value", "Second__Value", "first__Template"}));
    EXPECT_EQ(Message("FIRST"), "uno");
}

TEST_F(LanguageController, CacheHoldsTheCurrentAndTheBaseCultureOnly) {
    PutLanguageFile("fr-fr", kProgram, "[StrsRes__MessageText__FrontMain]\r\nK__Value=fr\r\n");
    PutLanguageFile("de-de", kProgram, "[StrsRes__MessageText__FrontMain]\r\nK__Value=de\r\n");
    lc.RegisterText(kProgram, kMessages, "K", "en", "");
    lc.SetCulture("fr-fr");
    EXPECT_EQ(Message("K"), "fr");
    lc.SetCulture("de-de");
    EXPECT_EQ(CachedKeys(), std::vector<std::string>{"en-us|" + kProgram});
    EXPECT_EQ(Message("K"), "de");
    EXPECT_EQ(CachedKeys(), (std::vector<std::string>{"de-de|" + kProgram, "en-us|" + kProgram}));

    // Each file is parsed once per culture: a change on disk is seen only after another
    // culture was current in between.
    PutLanguageFile("de-de", kProgram, "[StrsRes__MessageText__FrontMain]\r\nK__Value=de, edited\r\n");
    lc.SetCulture("de-de");
    EXPECT_EQ(Message("K"), "de");
    lc.SetCulture("fr-fr");
    lc.SetCulture("de-de");
    EXPECT_EQ(Message("K"), "de, edited");
    EXPECT_EQ(lc.BaseCulture(), "en-us");
    lc.SetCulture("en-us");
    EXPECT_EQ(Message("K"), "en");
}

// Lookups are answered from what an earlier lookup found while its documents stand; every
// way a document changes must show in the next answer.
TEST_F(LanguageController, RepeatedLookupsFollowEveryChangeOfTheirDocuments) {
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    lc.SetTemplateVariable("AppDataPath", "C:\\One\\", true);
    lc.RegisterText(kProgram, kMessages, "OnlyEnglish", "English", "");
    lc.RegisterText(kProgram, kMessages, "Path", "In {AppDataPath}", "__curly");
    lc.SetCulture("de-de");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Message("WantSaveChanges"), "Änderungen speichern?");
        EXPECT_EQ(Message("OnlyEnglish"), "English") << "from the base culture";
        EXPECT_EQ(Message("Missing", "default"), "default");
        EXPECT_EQ(Message("Missing", "another default"), "another default");
        EXPECT_EQ(Gui("BitBtnAttach.Caption", ""), "Anhängen");
        EXPECT_EQ(Message("Path"), "In C:\\One\\");
    }
    lc.SetTemplateVariable("AppDataPath", "C:\\Two\\", true);
    EXPECT_EQ(Message("Path"), "In C:\\Two\\") << "templates are expanded at every lookup";

    lc.RegisterText(kProgram, kMessages, "OnlyEnglish", "English, changed", "");
    lc.RegisterText(kProgram, kMessages, "Missing", "now registered", "");
    lc.RegisterGuiText(kProgram, kControls, "New.Caption", "registered");
    EXPECT_EQ(Message("OnlyEnglish"), "English, changed");
    EXPECT_EQ(Message("Missing", "default"), "now registered");
    EXPECT_EQ(Gui("New.Caption", ""), "registered");

    IniDocument* german = lc.OpenLanguageDocument("de-de|" + kProgram, TvdlgLanguageFileMode::Read);
    ASSERT_NE(german, nullptr);
    german->WriteString("StrsRes" + kMessages, "OnlyEnglish__Value", "Deutsch");
    german->WriteString("StrsGui" + kControls, "BitBtnAttach.Caption", "Anfügen");
    EXPECT_EQ(Message("OnlyEnglish"), "Deutsch");
    EXPECT_EQ(Gui("BitBtnAttach.Caption", ""), "Anfügen");
    german->DeleteKey("StrsRes" + kMessages, "OnlyEnglish__Value");
    EXPECT_EQ(Message("OnlyEnglish"), "English, changed");
    german->Clear();
    EXPECT_EQ(Message("WantSaveChanges", "default"), "default");

    lc.SetCulture("en-us");
    EXPECT_EQ(Message("OnlyEnglish"), "English, changed");
    EXPECT_EQ(Gui("BitBtnAttach.Caption", "design"), "design");
}

TEST_F(LanguageController, FailedReadIsNotRememberedSoANewFileIsFound) {
    lc.SetCulture("de-de");
    EXPECT_EQ(Message("WantSaveChanges", "default"), "default");
    EXPECT_TRUE(lc.LanguageFiles().empty());
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    EXPECT_EQ(Message("WantSaveChanges", "default"), "Änderungen speichern?");
}

TEST_F(LanguageController, UnreadableFileRaisesTheOpenErrorAndIsNotCached) {
    PutLanguageFile("de-de", kProgram, kGermanProgram);
    sim.SimFiles().SetUnreadable(kTrans + "de-de\\" + kProgram);
    lc.SetCulture("de-de");
    EXPECT_THROW(Message("WantSaveChanges"), EFOpenError);
    EXPECT_THROW(Gui("BitBtnAttach.Caption", ""), EFOpenError);
    EXPECT_THROW(lc.ReadMetaData("de-de", kProgram), EFOpenError);
    EXPECT_TRUE(lc.LanguageFiles().empty());

    PutLanguageFile("en-us", kProgram, "");
    sim.SimFiles().SetUnreadable(kTrans + "en-us\\" + kProgram);
    EXPECT_THROW(lc.RegisterText(kProgram, kMessages, "K", "v", ""), EFOpenError);
}

TEST_F(LanguageController, BareLogicalNamePrefersTheUtf8VariantAndConvertsThePlainOne) {
    lc.SetCulture("de-de");
    Put(kTrans + "de-de\\program.ini", "[StrsRes__MessageText__FrontMain]\r\nK__Value=Gr\xFC\xDF" "e\r\n");
    EXPECT_EQ(lc.GetText("program.ini", kMessages, "K", "", false), "Grüße");
    lc.SetCulture("it-it");
    Put(kTrans + "it-it\\program.ini", "[StrsRes__MessageText__FrontMain]\r\nK__Value=plain\r\n");
    Put(kTrans + "it-it\\UTF8_program.ini", "[StrsRes__MessageText__FrontMain]\r\nK__Value=utf-8\r\n");
    EXPECT_EQ(lc.GetText("program.ini", kMessages, "K", "", false), "utf-8");
    // A prefixed name never reads a plain file.
    EXPECT_EQ(lc.GetText("UTF8_program.ini", kMessages, "K", "none", false), "utf-8");
    Put(kTrans + "it-it\\shared.ini", "[StrsRes__MessageText__FrontMain]\r\nK__Value=plain\r\n");
    EXPECT_EQ(lc.GetText("UTF8_shared.ini", kMessages, "K", "none", false), "none");
}

TEST_F(LanguageController, OpenLanguageFileAnswersPositionsInTheOrderedCache) {
    EXPECT_EQ(lc.OpenLanguageFile("fr-fr|x.ini", TvdlgLanguageFileMode::Read), -1);
    EXPECT_TRUE(lc.LanguageFiles().empty());
    EXPECT_EQ(lc.OpenLanguageFile("fr-fr|x.ini", TvdlgLanguageFileMode::Write), 0);
    EXPECT_EQ(lc.OpenLanguageFile("de-de|x.ini", TvdlgLanguageFileMode::Write), 0);
    EXPECT_EQ(lc.OpenLanguageFile("FR-FR|X.INI", TvdlgLanguageFileMode::Read), 1);
    lc.LanguageFileAt(1).WriteString("S", "K", "v");
    EXPECT_EQ(lc.OpenLanguageDocument("fr-fr|x.ini", TvdlgLanguageFileMode::Read)->ReadString("S", "K", ""), "v");
    EXPECT_THROW(lc.LanguageFileAt(2), EListError);
    EXPECT_THROW(lc.LanguageFileAt(-1), EListError);

    // A key without "|" belongs to no culture: its file lies in the translation folder itself.
    Put(kTrans + "UTF8_loose.ini", "[S]\r\nK=loose\r\n");
    IniDocument* loose = lc.OpenLanguageDocument("UTF8_loose.ini", TvdlgLanguageFileMode::Read);
    ASSERT_NE(loose, nullptr);
    EXPECT_EQ(loose->ReadString("S", "K", ""), "loose");
    lc.ReleaseForeignFiles();
    EXPECT_TRUE(lc.LanguageFiles().empty());
}

TEST_F(LanguageController, BaseDocumentsSurviveUnderAnotherSpellingOfTheCulture) {
    PutLanguageFile("en-us", kProgram, "[StrsRes__MessageText__FrontMain]\r\nOther__Value=x\r\n");
    lc.SetCulture("EN-US");
    EXPECT_EQ(Message("Other"), "x");  // caches the file as "EN-US|..."
    lc.RegisterText(kProgram, kMessages, "WantSaveChanges", "Save changes?", "");
    lc.SetCulture("de-de");
    EXPECT_EQ(Message("WantSaveChanges", "default"), "Save changes?");
}

TEST_F(LanguageController, LookupsWithoutATranslationFolderReadNothing) {
    TvdlgLanguageController noFolder(sim);
    Put("C:\\de-de\\" + kProgram, kGermanProgram);
    sim.Files().SetCurrentDir("C:\\");
    noFolder.SetCulture("de-de");
    EXPECT_EQ(noFolder.GetText(kProgram, kMessages, "WantSaveChanges", "default", false), "default");
    EXPECT_TRUE(noFolder.LanguageFiles().empty());
}

class LanguageControllerMetaData : public LanguageController {
protected:
    const TvdlgTransMetaData english{"en-us",  "English (US)", "Author", "support@example.com", "https://example.com",
                                     "",       "Please email suggestions and/or corrections.",
                                     "2026-12-10 10:00:00", "Pivola", "1.7.9"};
};

TEST_F(LanguageControllerMetaData, WrittenIntoTheBaseDocumentAndReadWithFallback) {
    lc.WriteMetaData(kProgram, english);
    EXPECT_EQ(lc.ReadMetaData("en-us", kProgram), english);
    EXPECT_EQ(lc.ReadMetaData("fr-fr", kProgram), english);  // no fr-fr file: the base answers
    EXPECT_EQ(lc.ReadMetaData("", kProgram), english);

    PutLanguageFile("de-de", kProgram, "[MetaData]\r\nLingua_Desc=Deutsch\r\nAuthor_Comments=a<NL>b\r\n");
    lc.SetCulture("de-de");
    TvdlgTransMetaData german = lc.ReadMetaData("fr-fr", kProgram);  // falls back to the current culture
    EXPECT_EQ(german.Lingua_ID, "de-de");
    EXPECT_EQ(german.Lingua_Desc, "Deutsch");
    EXPECT_EQ(german.Author_Comments, "a<NL>b");
    EXPECT_EQ(german.Author_Name, "");
    EXPECT_EQ(lc.LanguageFiles().at("de-de|" + kProgram).ReadString("MetaData", "Lingua_ID", ""), "de-de");
    EXPECT_EQ(lc.ReadMetaData("de-de", kProgram), german);
}

TEST_F(LanguageControllerMetaData, MissingLinguaIdIsTakenFromTheCultureWhoseFileAnswered) {
    TvdlgLanguageController fresh(sim);
    fresh.SetTranslationFolder(kTrans);
    EXPECT_EQ(fresh.ReadMetaData("de-de", kProgram), TvdlgTransMetaData{});

    PutLanguageFile("de-de", kProgram, "[MetaData]\r\nLingua_Desc=Deutsch\r\n");
    EXPECT_EQ(fresh.ReadMetaData("de-de", kProgram).Lingua_ID, "de-de");
    // English is answering for fr-fr here, and stays labelled English.
    PutLanguageFile("en-us", "UTF8_shared.ini", "[MetaData]\r\nLingua_Desc=English (US)\r\n");
    EXPECT_EQ(fresh.ReadMetaData("fr-fr", "UTF8_shared.ini").Lingua_ID, "en-us");
    EXPECT_EQ(fresh.ReadMetaData("en-us", "UTF8_shared.ini").Lingua_ID, "en-us");
}

}  // namespace
}  // namespace pv
