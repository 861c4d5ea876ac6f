#pragma once
// Shared texts of the general language file that the frame registers at start-up: the
// find and replace prompts, the file-type names and the save-changes prompt of file
// editors. Their template variables are set where the prompts are used.
#include <cstdint>
#include <string>
#include <string_view>

namespace pv {

class TvdlgLanguageController;

inline constexpr std::string_view kFindReplaceSection = "__MixedText__Dialogs__Texts__RS";
inline constexpr std::string_view kFileTypesSection = "__MixedText__FileTypes";
inline constexpr std::string_view kManageFilesSection = "__MixedText__ManageFiles";

// Bits of the file-type selection.
namespace FileTypeBit {
inline constexpr uint32_t CsvGenericShort = 1, Csv = 2, Tsv = 4, Ssv = 8, Ini = 16, Xml = 32, Html = 64, Text = 128,
                          Bmp = 256;
}

// "DialogFindTextContinueTop", "DialogFindTextContinueBottom", "DialogReplaceTextContinue".
void RegisterFindReplaceTexts(TvdlgLanguageController& controller, const std::string& file);
// The names of the selected file types, then always "UTF8Encoded".
void RegisterFileTypeTexts(TvdlgLanguageController& controller, const std::string& file, uint32_t selection);
// "SaveFileChanges".
void RegisterManageFilesTexts(TvdlgLanguageController& controller, const std::string& file);

}  // namespace pv
