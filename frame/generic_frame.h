#pragma once
// The application frame: the one non-visual object that starts, owns and stops
// everything else. It resolves the folders, owns the log, the options record and the
// translation, creates every top-level window (at most one per kind, each kept in a
// slot), restores and stores their placement, and orders start-up and shutdown through
// virtual operations that the program's subclass overrides.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/component.h"
#include "frame/path_macros.h"
#include "platform/ui.h"

namespace pv {

class TForm;
class TvdLogging;
class TApplicationEvents;
class TvdSharedProgramOptions;
class IniDocument;
class TvdlgLanguageCompositeAllEx;
class TvdWinFormInstanceControl;
class INamedMutex;

// A window class the frame can create.
struct TFormClass {
    std::string Name;
    std::function<TForm*(TComponent* owner)> Create;
    explicit operator bool() const { return static_cast<bool>(Create); }
};

// Creation data handed to the About and update-check windows; never filled in.
struct TExtraInfo {
    std::string Text;
    std::vector<std::string> Lines;
};

// The deferred start is posted to the frame's message window as this message.
inline constexpr uint32_t kDeferredStartMessage = 1025;

class TvdDataModuleGenericStruct : public TComponent {
public:
    explicit TvdDataModuleGenericStruct(TComponent* owner);
    ~TvdDataModuleGenericStruct() override;
    PV_COMPONENT_CLASS(TvdDataModuleGenericStruct)

    // ---- virtual operations, in slot order ----
    virtual void OwnExceptionHandler(TComponent* sender, const std::exception& e);
    virtual std::vector<TForm**> GetFrameForms();
    virtual std::vector<TForm**> GetExtraFrameForms();
    virtual void WriteOptions(IniDocument& doc);
    virtual void ReadOptions(const IniDocument& doc);
    virtual void RestoreFormPlacement(TForm* window);
    virtual void RestoreFormSettings(TForm* window);
    virtual void ParseCommandLine();
    virtual void ApplyCommandLine();
    virtual void RegisterFrameTexts();
    virtual void RegisterApplicationTexts();
    virtual void TranslateApplication();
    virtual void InstantiateAllForms();
    virtual std::string ResolveDynamicVariable(const std::string& name);
    virtual void ShutDownFrame();
    virtual void SetUpFrame();
    virtual void StartFrame();
    virtual void ScheduleDeferredStart();
    virtual void DeferredStart();
    virtual void DeferredStartMainForm();
    virtual void RefreshAllForms();
    virtual void SaveFormPlacement(TForm* window);
    virtual void SaveFormSettings(TForm* window);
    virtual void FormDestroyed(TForm* window);

    // ---- other operations ----
    void SaveOptions();
    void LoadOptions();
    void OpenForm(TForm** slot, const TFormClass& cls, const void* creationData);
    void CreateMainForm(TForm** slot, const TFormClass& cls, const void* creationData);
    void ShowForm(TForm** slot, const TFormClass& cls, const void* creationData, bool show, bool modal);
    void PrepareForm(TForm* window, bool hideFirst, bool show, bool modal);
    void ShowAbout();
    void ShowCheckUpdates();
    void ReportError(TComponent* sender, const std::exception& e);
    void ChangeLanguage(const std::string& culture);
    bool Terminating() const;
    // A message text of the frame ("__MessageText__Module" of the shared language file) in
    // the current culture; the built-in English text while the texts are not registered.
    virtual std::string FrameMessage(const std::string& key);

    // ---- fields ----
    TvdLogging* vdLoggingProgram = nullptr;
    TApplicationEvents* ApplicationEvents = nullptr;
    TForm** MainFormRef = nullptr;
    TForm** CheckUpdatesFormRef = nullptr;
    TForm** AboutFormRef = nullptr;
    TFormClass MainFormClass;
    TFormClass CheckUpdatesFormClass;  // filled by the program once the window exists
    TFormClass AboutFormClass;
    TExtraInfo ExtraInfo;
    TvdWinFormInstanceControl* InstanceControl = nullptr;
    // The install mutex, held by the first copy only, from SetUpFrame until the frame is
    // gone, so that an installer can tell that the program runs.
    std::unique_ptr<INamedMutex> InstallMutex;
    std::unique_ptr<IMessageWindow> MessageWindow;
    std::unique_ptr<TvdSharedProgramOptions> Options;
    // The translation: the language controller and its assistants, from frame creation to
    // shutdown.
    std::unique_ptr<TvdlgLanguageCompositeAllEx> Composite;
    bool AppMinimized = false;
    bool ModalWindows = false;
    bool MainFormClosing = false;
    const void* PendingCreationData = nullptr;
    bool HideRequested = false;
    bool ExitRequested = false;
    std::string ProgramVersion;

    // ---- folders and files, fixed once SetUpFrame has run ----
    std::string AppPath;
    std::string UserDataPath;
    std::string TranslationFolder;
    std::string TipsFolder;
    std::string HelpFolder;
    std::string ProjectsFolder;
    std::string TempFolder;
    std::string LogsFolder;
    std::string ConfigFolder;
    std::string ReuseFolder;
    std::string ShortcutsFolder;
    std::string OptionsFile;
    PathMacroList PathMacros;
    std::string DataAccessMode;  // the mode the data folder was resolved with: "os" or "app"

protected:
    // Frame creation (the data module's create handler) and destruction.
    void AfterConstruction() override;
    void BeforeDestruction() override;
    // Creates the options record; the program's subclass makes its own kind.
    virtual std::unique_ptr<TvdSharedProgramOptions> CreateOptions();
    // Points the window references at the program's slots.
    virtual void AssignFormSlots() {}

    // The data folder set-up, the last step of SetUpFrame.
    void SetUpDataFolders();

private:
    void DataModuleCreate();
    void DataModuleDestroy();
    // The first two steps of StartFrame: the controller on the translation folder and the
    // culture of the options, then the frame's template variables.
    void StartLanguageController();
    void RegisterTemplateVariables();
    void ApplicationEventsMinimize(TComponent* sender);
    void ApplicationEventsRestore(TComponent* sender);
    bool FrameWindowProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    void CloseIfExists(TForm** slot);

    // Data folder steps.
    void MigrateOldSettings();
    bool BuildPersonalDataRoot(std::string& root);
    void PrepareDataFolder(const std::string& target, const std::string& source);
    void CopyMissingFiles(const std::string& source, const std::string& target);
    std::string personalRoot_;
    bool personalRootTried_ = false;
    bool personalRootOk_ = false;
};

// The maker's support page for an error of this class and message.
std::string SupportAddress(const std::string& exceptionClass, const std::string& message);

// The process-wide frame; empty until the frame's creation sets it.
extern TvdDataModuleGenericStruct* FrameInstance;
// True only while the main window is being constructed.
extern bool CreatingMainForm;

}  // namespace pv
