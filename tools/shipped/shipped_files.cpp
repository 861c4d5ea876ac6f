#include "tools/shipped/shipped_files.h"

#include <fstream>
#include <stdexcept>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "lang/language_composite.h"
#include "lang/language_file.h"
#include "lang/logical_files.h"
#include "platform/sim/sim_platform.h"

namespace pv::shipped {

namespace {

// The program as a first start on a fresh simulated desktop would run it. A dialog that
// nobody answers means the desktop is not what the program expects here; that is an
// error of the tool, never something to write into a shipped file.
class TSimulatedProgram {
public:
    TSimulatedProgram() {
        sim.OnFailure = [this](const std::string& what) { failures.push_back(what); };
        app = std::make_unique<TApplication>(sim);
        frame = TComponent::Create<TModuleShared>(app.get());
        app->ProcessMessages();
        Check();
    }
    void Check() const {
        if (!failures.empty()) throw std::runtime_error("the simulated desktop reports: " + failures.front());
        if (!frame || !frame->FormFront()) throw std::runtime_error("the program did not start its main window");
    }

    sim::SimPlatform sim;
    std::vector<std::string> failures;
    std::unique_ptr<TApplication> app;
    TModuleShared* frame = nullptr;
};

}  // namespace

std::map<std::string, IniDocument, TextLess> RegisteredEnglishTexts() {
    TSimulatedProgram program;
    // Every window registers its texts while it is built; the frame knows every window
    // kind there is, so a window added later is written without changing this tool.
    program.frame->InstantiateAllForms();
    if (!program.failures.empty())
        throw std::runtime_error("the simulated desktop reports: " + program.failures.front());
    TvdlgLanguageController& lc = program.frame->Composite->Controller();
    std::map<std::string, IniDocument, TextLess> result;
    const std::string prefix = lc.BaseCulture() + "|";
    for (const auto& [key, doc] : lc.LanguageFiles())
        if (StartsWithText(key, prefix)) result.emplace(key.substr(prefix.size()), doc);
    for (std::string_view file : {kProgramLanguageFile, kSharedLanguageFile, kGeneralLanguageFile})
        if (!result.count(std::string(file)))
            throw std::runtime_error("no texts registered for " + std::string(file));
    return result;
}

std::string LanguageFileBytes(const IniDocument& doc) {
    IniDocument ordered;
    auto copySection = [&](const std::string& section) {
        for (const std::string& key : doc.Keys(section))
            if (const std::string* value = doc.Find(section, key)) ordered.WriteString(section, key, *value);
    };
    copySection(std::string(kMetaDataSection));
    for (const std::string& section : doc.SectionNames())
        if (!SameText(section, kMetaDataSection)) copySection(section);
    return "\xEF\xBB\xBF" + ordered.ToText();
}

std::vector<TShippedFile> EnglishLanguageFiles() {
    std::vector<TShippedFile> files;
    for (const auto& [name, doc] : RegisteredEnglishTexts())
        files.push_back({"trans\\en-us\\" + name, LanguageFileBytes(doc)});
    return files;
}

std::vector<TShippedFile> StarterStore() {
    TSimulatedProgram program;
    TFormFront* front = program.frame->FormFront();
    // Environment references keep the links right on a system installed on another drive
    // or folder; the program fills them in when it starts, sweeps or draws a link.
    front->AddItem(TItemKind::SpecialSeparator, "", nullptr, -1, false, "", "System", "", "");
    front->AddItem(TItemKind::ExecutableLink, "%SystemRoot%\\notepad.exe", nullptr, -1, false, "", "Notepad", "", "");
    front->AddItem(TItemKind::ExecutableLink, "%SystemRoot%\\System32\\cmd.exe", nullptr, -1, false, "",
                   "Command Prompt", "%USERPROFILE%", "");
    front->AddItem(TItemKind::ExecutableLink, "%SystemRoot%\\System32\\control.exe", nullptr, -1, false, "",
                   "Control Panel", "", "");
    front->AddItem(TItemKind::GeneralLink, "%SystemRoot%", nullptr, ItemImage::AskDirectory, false, "",
                   "Windows folder", "", "");
    if (front->SaveItems() != 0) throw std::runtime_error("the store writer reported failed writes");
    program.Check();

    const std::string store = program.frame->ShortcutsFolder;
    const std::filesystem::path root = program.sim.SimFiles().HostPath(store);
    std::vector<TShippedFile> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::string relative = entry.path().lexically_relative(root).generic_string();
        for (char& c : relative)
            if (c == '/') c = '\\';
        files.push_back({"shortcuts\\" + relative, program.sim.SimFiles().GetFile(store + "\\" + relative)});
    }
    if (files.empty()) throw std::runtime_error("the store writer wrote nothing");
    return files;
}

void WriteFiles(const std::filesystem::path& folder, const std::vector<TShippedFile>& files) {
    for (const TShippedFile& f : files) {
        std::string relative = f.Path;
        for (char& c : relative)
            if (c == '\\') c = '/';
        std::filesystem::path target = folder / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(f.Bytes.data(), static_cast<std::streamsize>(f.Bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + target.string());
    }
}

}  // namespace pv::shipped
