#pragma once
// The program's one message box: the platform's standard dialog, translated before it is
// shown. Its title is looked up by its own text, each visible push button by its caption
// reduced to letters and digits ("&Yes" is "Yes", "N&o to All" is "NotoAll"), all in the
// section where RegisterDialogTexts put the platform's fifteen message-box words.
#include <initializer_list>
#include <string>
#include <string_view>

#include "controls/dialogs.h"

namespace pv {

class Platform;
class TvdlgLanguageController;

inline constexpr std::string_view kDialogTextsSection = "__MixedText__Dialogs__VCL__RS";

// The key a message-box word or caption is registered and looked up under.
std::string DialogTextKey(std::string_view caption);

// What the message boxes are translated with: nothing until RegisterDialogTexts has run.
class TvdlgMessageDialogTexts {
public:
    // Remembers the controller and the file, then registers the standard titles and button
    // captions there in English, without template.
    void RegisterDialogTexts(TvdlgLanguageController& controller, const std::string& file);
    bool Registered() const { return controller_ != nullptr; }
    // Title, then every visible push button; a text that fails to translate stays as it
    // was, and the others are still translated.
    void TranslateMessageDialog(MessageDialogRequest& dialog) const;

private:
    TvdlgLanguageController* controller_ = nullptr;
    std::string file_;
};

// Builds the standard dialog for text, kind and buttons with its help context and the
// reading direction given, translates it with `texts` when there are any, shows it modally
// and answers the modal result of the button chosen.
int ShowMessageDialog(Platform& platform, const TvdlgMessageDialogTexts* texts, const std::string& text,
                      MsgDlgType kind, std::initializer_list<MsgDlgBtn> buttons, int helpContext = 0,
                      bool rightToLeft = false);

}  // namespace pv
