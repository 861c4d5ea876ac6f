#include "lang/general_texts.h"

#include "lang/language_controller.h"
#include "lang/template_system.h"

namespace pv {

namespace {
struct TextEntry {
    const char* Key;
    const char* Text;
};
}  // namespace

void RegisterFindReplaceTexts(TvdlgLanguageController& controller, const std::string& file) {
    static const TextEntry texts[] = {
        {"DialogFindTextContinueTop", "\"{dynDialogFindText}\" not found. Restart search from top?"},
        {"DialogFindTextContinueBottom", "\"{dynDialogFindText}\" not found. Restart search from bottom?"},
        {"DialogReplaceTextContinue", "Replace \"{dynDialogFindText}\" with \"{dynDialogReplaceText}\"?"},
    };
    for (const auto& t : texts)
        controller.RegisterText(file, std::string(kFindReplaceSection), t.Key, t.Text, std::string(kTemplateSystemCurly));
}

void RegisterFileTypeTexts(TvdlgLanguageController& controller, const std::string& file, uint32_t selection) {
    static const struct {
        uint32_t Bit;
        TextEntry Entry;
    } types[] = {
        {FileTypeBit::CsvGenericShort, {"FileTypeCSV_GenericShort", "CSV file"}},
        {FileTypeBit::Csv, {"FileTypeCSV", "Comma separated values"}},
        {FileTypeBit::Tsv, {"FileTypeTSV", "Tab separated values"}},
        {FileTypeBit::Ssv, {"FileTypeSSV", "Semi colon separated values"}},
        {FileTypeBit::Ini, {"FileTypeIni", "Ini file"}},
        {FileTypeBit::Xml, {"FileTypeXML", "XML file"}},
        {FileTypeBit::Html, {"FileTypeHTML", "HTML file"}},
        {FileTypeBit::Text, {"FileTypeText", "Text file"}},
        {FileTypeBit::Bmp, {"FileTypeBMP", "Bitmap image file"}},
    };
    const std::string section(kFileTypesSection);
    for (const auto& t : types)
        if (selection & t.Bit) controller.RegisterText(file, section, t.Entry.Key, t.Entry.Text, "");
    controller.RegisterText(file, section, "UTF8Encoded", "UTF8 encoded", "");
}

void RegisterManageFilesTexts(TvdlgLanguageController& controller, const std::string& file) {
    controller.RegisterText(file, std::string(kManageFilesSection), "SaveFileChanges",
                            "Save file \"{dynDirFilePathName}\" changes?", std::string(kTemplateSystemCurly));
}

}  // namespace pv
