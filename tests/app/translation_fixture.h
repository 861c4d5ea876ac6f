#pragma once
// The program on the simulated desktop with language files in its translation folder.
#include <string>

#include "lang/language_composite.h"
#include "tests/app/app_fixture.h"

namespace pv::testing {

class TranslationTest : public AppTest {
protected:
    const std::string kTrans = kApp + "trans\\";
    // Starts with "LanguageCulture" set to `culture` in the options file.
    void StartIn(const std::string& culture) {
        Put(kData + "config\\options.ini", "[ProgramOptions.General]\r\nLanguageCulture=" + culture + "\r\n");
        Start();
    }
    void PutLanguage(const std::string& culture, const std::string& file, const std::string& body) {
        Put(kTrans + culture + "\\" + file, "\xEF\xBB\xBF" + body);
    }
    TvdlgLanguageController& Lang() { return frame->Composite->Controller(); }
    // The base culture's document of a logical file, with every registered text.
    const IniDocument& Base(const std::string& file) { return Lang().LanguageFiles().at("en-us|" + file); }
    // What a language change does to the open windows and the application.
    void SwitchTo(const std::string& culture) {
        Lang().SetCulture(culture);
        frame->TranslateApplication();
        Front()->TranslateForm();
        Front()->RefreshForm();
    }
};

}  // namespace pv::testing
