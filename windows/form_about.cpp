#include "windows/form_about.h"

#include <cstdio>

#include "controls/action_list.h"
#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/file_dialogs.h"
#include "controls/find_dialog.h"
#include "controls/image_box.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "controls/print_dialog.h"
#include "controls/rich_edit.h"
#include "controls/status_bar.h"
#include "controls/string_grid.h"
#include "controls/tab_set.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "frame/product_info.h"
#include "frame/shared_options.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {

const char* const kActivePageKey = "pgcAbout.ActivePageIndex";
const char* const kMucFile = "muc.ini";
const char* const kOptionsFile = "options.ini";
const char* const kLogFile = "program.log";
const char* const kDataFile = "data.html";
const char* const kKeyColumn = "Key";
const char* const kValueColumn = "Value";
constexpr int kKeyColumnWidth = 150;

}  // namespace

std::string WindowsVersionWord(const OsVersion& v) {
    if (v.PlatformId == 1) return v.Minor >= 90 ? "ME" : v.Minor >= 10 ? "98" : "95";
    if (v.Major < 5) return "NT";
    if (v.Major == 5) return v.Minor == 0 ? "2000" : v.Minor == 1 ? "XP" : "2003";
    if (v.Major == 6) return v.Minor == 0 ? "Vista" : v.Minor == 1 ? "7" : v.Minor == 2 ? "8" : "8.1";
    if (v.Major == 10 && v.Build >= 22000) return "11";
    return IntToStr(static_cast<int>(v.Major));
}

std::string FormatMegabytes(uint64_t bytes) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(bytes) / 1024.0 / 1024.0);
    return buf;
}

TvdFormAbout::TvdFormAbout(TComponent* owner) : TvdFormGenericStructEx(owner) { SetName("vdFormAbout"); }

// ---- life cycle ----------------------------------------------------------------------------

void TvdFormAbout::FormCreate(TComponent*) {
    imgLogo->SetPicture(GetPlatform().Shell().FileSmallIcon(GetPlatform().System().ExecutablePath()).value_or(TBitmap32()));
    reCredits->SetText(Trim(CreditsText()));
    pgcAbout->SetActivePageIndex(0);
    tabsetTranslation->SetTabs({"en-us\\UTF8_program.ini", "en-us\\UTF8_shared.ini", "en-us\\UTF8_general.ini"});
    const std::string culture = Shared->Options->LanguageCulture;
    if (!SameText(culture, "en-us")) SetEditCulture(culture);
    tabsetTranslation->SetTabIndex(0);
    LoadTranslationFile(tabsetTranslation->CurrentTab());
    FillData();
}

void TvdFormAbout::FormClose(TComponent*, TCloseAction& action) { action = TCloseAction::Free; }

void TvdFormAbout::FormDestroy(TComponent*) {
    ApplicationEventsAbout->OnIdle = nullptr;
    if (!Shared) return;
    Shared->SaveFormPlacement(this);
    Shared->SaveFormSettings(this);
    Shared->FormDestroyed(this);
}

void TvdFormAbout::LabelUrlClick(TComponent*) {
    GetPlatform().Shell().Execute(Handle(), "open", product::kCompanyUrlFull, "", "", ShowCmd::Normal);
}

// ---- the window's own settings ---------------------------------------------------------------

void TvdFormAbout::SaveSettings(const std::string& optionsFile) {
    TvdFormGenericStructEx::SaveSettings(optionsFile);
    WriteSetting(optionsFile, kActivePageKey, IntToStr(pgcAbout->ActivePageIndex()));
}

void TvdFormAbout::LoadSettings(const std::string& optionsFile) {
    TvdFormGenericStructEx::LoadSettings(optionsFile);
    auto index = TryStrToInt(ReadSetting(optionsFile, kActivePageKey).value_or(""));
    if (index && *index >= 0 && *index < pgcAbout->PageCount() && pgcAbout->Pages(*index)->TabVisible())
        pgcAbout->SetActivePageIndex(*index);
    else
        pgcAbout->SetActivePageIndex(0);
}

// ---- the data page -------------------------------------------------------------------------

void TvdFormAbout::FillData() {
    Platform& p = GetPlatform();
    MemoryStatus m = p.System().Memory();
    auto memory = [](uint64_t total, uint64_t free) {
        return FormatMegabytes(total) + " MB (Free: " + FormatMegabytes(free) + " MB" + ")";
    };
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Application identification", std::string(product::kProgramName) + " " + product::kProgramVersion},
        {"Operating system platform", "Windows " + WindowsVersionWord(p.System().Version())},
        {"Computer physical memory", memory(m.TotalPhys, m.AvailPhys)},
        {"Computer virtual memory", memory(m.TotalVirtual, m.AvailVirtual)},
        {"Application main directory", Shared->AppPath},
        {"Application user data directory", Shared->UserDataPath},
    };
    sgData->SetSize(2, static_cast<int>(rows.size()) + 1);
    sgData->SetCells(0, 0, kKeyColumn);
    sgData->SetCells(1, 0, kValueColumn);
    for (size_t i = 0; i < rows.size(); ++i) {
        sgData->SetCells(0, static_cast<int>(i) + 1, rows[i].first);
        sgData->SetCells(1, static_cast<int>(i) + 1, rows[i].second);
    }
    FirstButtonRow = static_cast<int>(rows.size()) - 1;
    LastButtonRow = static_cast<int>(rows.size());
    sgData->SetFixedColWidths({Scale96(kKeyColumnWidth)});
    sgData->SetButtonRows(FirstButtonRow, LastButtonRow);
}

void TvdFormAbout::sgDataCellButtonClick(int row) {
    if (row < FirstButtonRow || row > LastButtonRow) return;
    GetPlatform().Shell().Execute(Handle(), "open", sgData->Cells(1, row), "", "", ShowCmd::Normal);
}

bool TvdFormAbout::SaveDataHtml(const std::string& path) {
    try {
        GetPlatform().Files().WriteAllBytes(path, sgData->ToHtml(std::string(product::kProgramName) + " " +
                                                                  product::kProgramVersion));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TvdFormAbout::btnSaveClick(TComponent*) {
    SaveFileAbout->InitialDir = Shared->TempFolder;
    SaveFileAbout->DefaultExt = "html";
    SaveFileAbout->OverwritePrompt = true;
    SaveFileAbout->FileName.clear();
    SaveFileAbout->Filter = GeneralText("__MixedText__FileTypes", "FileTypeHTML", "HTML file") + " (*.html)|*.html";
    if (SaveFileAbout->Execute(this)) SaveDataHtml(SaveFileAbout->FileName);
}

void TvdFormAbout::btnPrintClick(TComponent*) {
    PrintDialogAbout->PrintTable(this, std::string(product::kProgramName) + " " + product::kProgramVersion,
                                 sgData->Rows(), sgData->ColWidths());
}

void TvdFormAbout::btnCollectDataClick(TComponent*) {
    std::string folder;
    if (!BrowseForFolder(*this, this, MixedText("SelectOutputDir"), folder)) return;
    CollectData(folder);
}

void TvdFormAbout::CollectData(const std::string& folder) {
    IFileSystem& files = GetPlatform().Files();
    const std::string target = IncludeTrailingBackslash(folder);
    SaveDataHtml(target + kDataFile);
    const std::string sources[] = {Shared->AppPath + kMucFile,
                                   IncludeTrailingBackslash(Shared->LogsFolder) + "misc\\" + kLogFile,
                                   IncludeTrailingBackslash(Shared->ConfigFolder) + kOptionsFile};
    for (const std::string& source : sources) {
        try {
            if (files.FileExists(source)) files.CopyFile(source, target + ExtractFileName(source), false);
        } catch (const std::exception&) {
            // One file that cannot be copied does not keep the others from the folder.
        }
    }
}

}  // namespace pv
