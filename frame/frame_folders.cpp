// Where the program's material and the user's data live: the program folder beside the
// executable, and a data folder that is the user's documents area or the program folder
// itself, as "muc.ini" in the program folder chooses.
#include "controls/application.h"
#include "frame/generic_frame.h"
#include "frame/logging.h"
#include "frame/product_info.h"
#include "platform/file_tools.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

namespace {
const char* const kDataFolders[] = {"projects\\", "temp\\", "logs\\", "logs\\misc\\", "config\\", "reuse\\", "shortcuts\\"};
const char* const kSeededFolders[] = {"projects\\", "logs\\", "logs\\misc\\", "config\\", "reuse\\", "shortcuts\\"};

bool IsModernWindows(const OsVersion& v) {
    if (v.PlatformId == 2) return v.Major >= 4;                      // NT 4 and later
    return v.Major > 4 || (v.Major == 4 && v.Minor >= 90);            // Windows ME
}
}  // namespace

void TvdDataModuleGenericStruct::SetUpDataFolders() {
    Platform& p = GetPlatform();
    IFileSystem& files = p.Files();
    AppPath = IncludeTrailingBackslash(ExtractFileDir(p.System().ExecutablePath()));
    UserDataPath = AppPath;
    personalRootTried_ = false;
    const std::string muc = AppPath + "muc.ini";

    if (!files.FileExists(muc)) MigrateOldSettings();

    std::string mode = LowerCase(Trim(files.GetProfileString(muc, "Misc", "DataAccess", "auto")));
    if (mode != "os" && mode != "app") mode = "auto";
    if (mode == "auto") mode = IsModernWindows(p.System().Version()) ? "os" : "app";

    std::string root;
    if (mode == "os" && !BuildPersonalDataRoot(root)) mode = "app";

    if (mode == "app") {
        std::string chosen = files.GetProfileString(muc, "Misc", "DataUserPath", "");
        if (!chosen.empty()) {
            chosen = IncludeTrailingBackslash(chosen);
            bool usable = chosen != AppPath && files.DirectoryExists(chosen) &&
                          (files.DirectoryExists(chosen + "projects\\") || files.CreateDir(chosen + "projects\\"));
            if (!usable) chosen.clear();
        }
        if (!chosen.empty()) {
            UserDataPath = chosen;
            PrepareDataFolder(UserDataPath, AppPath);
        } else {
            bool appWritable = files.DirectoryExists(AppPath + "projects\\") || files.CreateDir(AppPath + "projects\\");
            if (!appWritable && BuildPersonalDataRoot(root)) mode = "os";
            if (mode == "app") {
                UserDataPath = AppPath;
                for (const char* f : kDataFolders) files.ForceDirectories(UserDataPath + f);
            }
        }
    }
    if (mode == "os") {
        UserDataPath = root;
        PrepareDataFolder(UserDataPath, AppPath);
    }
    DataAccessMode = mode;

    TranslationFolder = AppPath + "trans\\";
    TipsFolder = AppPath + "tips\\";
    HelpFolder = AppPath + "help\\";
    files.ForceDirectories(AppPath);
    files.ForceDirectories(TranslationFolder);
    files.ForceDirectories(TipsFolder);
    if (files.FileExists(TipsFolder + "english.txt")) files.DeleteFile(TipsFolder + "english.txt");

    ProjectsFolder = UserDataPath + "projects\\";
    TempFolder = UserDataPath + "temp\\";
    LogsFolder = UserDataPath + "logs\\";
    ConfigFolder = UserDataPath + "config\\";
    ReuseFolder = UserDataPath + "reuse\\";
    ShortcutsFolder = UserDataPath + "shortcuts";
    OptionsFile = ConfigFolder + "options.ini";
    vdLoggingProgram->SetLogFile(LogsFolder + "misc\\" + "program.log");
    PathMacros = {{"?($AppPath)?", AppPath}, {"?L?", AppPath}};
}

// An older layout kept its choice in "glc.ini", or in an "options.ini" beside the
// program; either is read once, turned into "muc.ini" when it asked for per-user data,
// and deleted.
void TvdDataModuleGenericStruct::MigrateOldSettings() {
    IFileSystem& files = GetPlatform().Files();
    const std::string muc = AppPath + "muc.ini";
    for (const char* old : {"glc.ini", "options.ini"}) {
        std::string path = AppPath + old;
        if (!files.FileExists(path)) continue;
        std::string access = LowerCase(Trim(files.GetProfileString(path, "Misc", "DataAccess", "all")));
        if (access == "user") files.WriteProfileString(muc, "misc", "DataAccess", "os");
        files.DeleteFile(path);
        return;
    }
}

bool TvdDataModuleGenericStruct::BuildPersonalDataRoot(std::string& root) {
    if (!personalRootTried_) {
        personalRootTried_ = true;
        personalRootOk_ = false;
        IFileSystem& files = GetPlatform().Files();
        std::string docs = GetPlatform().Shell().PersonalFolder();
        if (!docs.empty()) {
            std::string company = ExcludeTrailingBackslash(docs) + "\\" + product::kCompanyNameShort;
            if (files.DirectoryExists(company) || files.CreateDir(company)) {
                std::string program = company + "\\" + product::kProgramName;
                if (files.DirectoryExists(program) || files.CreateDir(program)) {
                    personalRoot_ = program + "\\";
                    personalRootOk_ = true;
                }
            }
        }
    }
    if (personalRootOk_) root = personalRoot_;
    return personalRootOk_;
}

void TvdDataModuleGenericStruct::PrepareDataFolder(const std::string& target, const std::string& source) {
    IFileSystem& files = GetPlatform().Files();
    for (const char* f : kDataFolders) files.ForceDirectories(target + f);
    for (const char* f : kSeededFolders) CopyMissingFiles(source + f, target + f);
}

void TvdDataModuleGenericStruct::CopyMissingFiles(const std::string& source, const std::string& target) {
    IFileSystem& files = GetPlatform().Files();
    files.ForceDirectories(target);
    if (!files.DirectoryExists(source)) return;
    std::string src = IncludeTrailingBackslash(source), dst = IncludeTrailingBackslash(target);
    for (const auto& entry : ListRecursive(files, source)) {
        std::string to = dst + entry.RelativePath;
        if (entry.IsDirectory) {
            if (!files.DirectoryExists(to)) files.ForceDirectories(to);
            continue;
        }
        std::string folder = ExtractFileDir(to);
        if (!files.DirectoryExists(folder)) files.ForceDirectories(folder);
        // Existing files are never overwritten: later edits in the data folder survive.
        if (!files.FileExists(to)) files.CopyFile(src + entry.RelativePath, to, true);
    }
}

}  // namespace pv
