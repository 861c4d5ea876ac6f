#include "frame/generic_frame.h"

#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/form.h"
#include "frame/form_base.h"
#include "frame/instance_control.h"
#include "frame/logging.h"
#include "frame/product_info.h"
#include "frame/shared_options.h"
#include "lang/language_composite.h"
#include "util/datetime.h"
#include "util/strings.h"

namespace pv {

TvdDataModuleGenericStruct* FrameInstance = nullptr;
bool CreatingMainForm = false;

namespace {
// Clears a process flag however the construction it brackets ends.
struct FlagScope {
    bool& flag;
    explicit FlagScope(bool& f) : flag(f) { flag = true; }
    ~FlagScope() { flag = false; }
};
}  // namespace

TvdDataModuleGenericStruct::TvdDataModuleGenericStruct(TComponent* owner) : TComponent(owner) {}

TvdDataModuleGenericStruct::~TvdDataModuleGenericStruct() {
    if (FrameInstance == this) FrameInstance = nullptr;
}

// ---- creation and destruction ------------------------------------------------------------

void TvdDataModuleGenericStruct::AfterConstruction() { DataModuleCreate(); }

void TvdDataModuleGenericStruct::DataModuleCreate() {
    // The layout: from here on an exception anywhere is reported through the hook.
    vdLoggingProgram = TComponent::Create<TvdLogging>(this);
    vdLoggingProgram->SetName("vdLoggingProgram");
    ApplicationEvents = TComponent::Create<TApplicationEvents>(this);
    ApplicationEvents->SetName("ApplicationEvents");
    ApplicationEvents->OnException = [this](TComponent* sender, const std::exception& e) {
        OwnExceptionHandler(sender, e);
    };
    ApplicationEvents->OnMinimize = [this](TComponent* s) { ApplicationEventsMinimize(s); };
    ApplicationEvents->OnRestore = [this](TComponent* s) { ApplicationEventsRestore(s); };
    try {
        SetUpFrame();
        FrameInstance = this;
        AssignFormSlots();
        Composite = std::make_unique<TvdlgLanguageCompositeAllEx>(GetPlatform());
        Options = CreateOptions();
        LoadOptions();
        StartFrame();
        ScheduleDeferredStart();
    } catch (const std::exception& e) {
        Application()->HandleException(this, e);
    }
}

void TvdDataModuleGenericStruct::BeforeDestruction() { DataModuleDestroy(); }

void TvdDataModuleGenericStruct::DataModuleDestroy() {
    Application()->Guard(this, [&] {
        ShutDownFrame();
        SaveOptions();
    });
    Options.reset();
    Composite.reset();
}

std::unique_ptr<TvdSharedProgramOptions> TvdDataModuleGenericStruct::CreateOptions() {
    return std::make_unique<TvdSharedProgramOptions>(GetPlatform());
}

bool TvdDataModuleGenericStruct::Terminating() const { return Application()->Terminated(); }

// ---- virtual operations ------------------------------------------------------------------

void TvdDataModuleGenericStruct::OwnExceptionHandler(TComponent* sender, const std::exception& e) {
    ReportError(sender, e);
}

std::vector<TForm**> TvdDataModuleGenericStruct::GetFrameForms() {
    std::vector<TForm**> forms;
    if (MainFormRef) forms.push_back(MainFormRef);
    if (AboutFormRef) forms.push_back(AboutFormRef);
    if (CheckUpdatesFormRef) forms.push_back(CheckUpdatesFormRef);
    for (auto* f : GetExtraFrameForms()) forms.push_back(f);
    return forms;
}

std::vector<TForm**> TvdDataModuleGenericStruct::GetExtraFrameForms() { return {}; }

void TvdDataModuleGenericStruct::ParseCommandLine() {
    for (const auto& raw : GetPlatform().System().CommandLineParams()) {
        std::string p = Trim(raw);
        if (p.empty() || p[0] != '-') continue;
        std::string word = LowerCase(p.substr(1));
        if (word == "hide") HideRequested = true;
        else if (word == "exit") ExitRequested = true;
    }
}

void TvdDataModuleGenericStruct::ApplyCommandLine() {
    if (HideRequested || ExitRequested) Application()->Terminate();
}

void TvdDataModuleGenericStruct::InstantiateAllForms() {
    const TFormClass* classes[] = {&MainFormClass, &AboutFormClass, &CheckUpdatesFormClass};
    TForm** slots[] = {MainFormRef, AboutFormRef, CheckUpdatesFormRef};
    for (int i = 0; i < 3; ++i)
        if (slots[i] && !*slots[i] && *classes[i]) ShowForm(slots[i], *classes[i], &ExtraInfo, true, ModalWindows);
    for (TForm** slot : {CheckUpdatesFormRef, AboutFormRef, MainFormRef})
        if (slot && *slot) (*slot)->Close();
    Application()->ProcessMessages();
    if (MainFormRef && *MainFormRef) {
        TComponent::Free(*MainFormRef);
        *MainFormRef = nullptr;
    }
    Application()->ProcessMessages();
}

std::string TvdDataModuleGenericStruct::ResolveDynamicVariable(const std::string& name) { return name; }

void TvdDataModuleGenericStruct::ShutDownFrame() { MessageWindow.reset(); }

void TvdDataModuleGenericStruct::SetUpFrame() {
    ExtraInfo = {};
    InstanceControl = nullptr;
    ProgramVersion = product::kProgramVersion;
    TApplication* app = Application();
    app->ShowMainForm = false;
    app->MainFormOnTaskBar = true;
    app->ShowHint = true;
    app->HintHidePause = 7500;
    app->ModalPopupModeAuto = true;
    GetPlatform().UI().DisableWindowsGhosting();
    // A copy that finds an earlier one hands over to it and is told to terminate here;
    // start-up goes on, but every later step sees the request and skips its work, so such
    // a copy never creates its main window.
    InstallMutex = GetPlatform().Desktop().TakeNamedMutex(product::kInstanceIdentifier);
    InstanceControl = TComponent::Create<TvdWinFormInstanceControl>(this, true, product::kInstanceIdentifier);
    MessageWindow = GetPlatform().UI().CreateMessageWindow(
        [this](uint32_t msg, uintptr_t w, intptr_t l, intptr_t& result) { return FrameWindowProc(msg, w, l, result); });
    MainFormClosing = false;
    ModalWindows = false;
    PendingCreationData = nullptr;
    HideRequested = false;
    ExitRequested = false;
    SetUpDataFolders();
}

void TvdDataModuleGenericStruct::StartFrame() {
    if (Terminating()) return;
    StartLanguageController();
    RegisterTemplateVariables();
    RegisterFrameTexts();
    RegisterApplicationTexts();
    TranslateApplication();
    ParseCommandLine();
    Application()->ProcessMessages();
    if (Terminating()) return;
    OpenForm(MainFormRef, MainFormClass, &InstanceControl);
}

void TvdDataModuleGenericStruct::ScheduleDeferredStart() {
    if (Terminating()) return;
    Application()->SetTitle(product::kProgramName);
    MessageWindow->Post(kDeferredStartMessage, 0, 0);
}

bool TvdDataModuleGenericStruct::FrameWindowProc(uint32_t msg, uintptr_t, intptr_t, intptr_t& result) {
    if (msg != kDeferredStartMessage) return false;
    Application()->Guard(this, [&] {
        DeferredStartMainForm();
        DeferredStart();
    });
    result = 0;
    return true;
}

void TvdDataModuleGenericStruct::DeferredStart() {
    TApplication* app = Application();
    app->ProcessMessages();
    TForm* main = MainFormRef ? *MainFormRef : nullptr;
    if (!Terminating() && main && dynamic_cast<TvdFormFrontBase*>(main)) {
        long long days = WholeDays(GetPlatform().Clock().Now()) - WholeDays(Options->CheckUpdatesLast);
        if (days >= Options->CheckUpdatesInterval && !Options->CheckUpdatesCritErrRes &&
            Options->CheckUpdatesInterval >= 0)
            ShowCheckUpdates();
    }
    app->ProcessMessages();
    if (!Terminating()) Options->ApplyOptions();
    app->ProcessMessages();
    if (!Terminating()) ApplyCommandLine();
}

void TvdDataModuleGenericStruct::DeferredStartMainForm() {
    TForm* main = MainFormRef ? *MainFormRef : nullptr;
    if (auto* g = dynamic_cast<TvdFormGenericStruct*>(main)) g->FormDeferredStart();
}

void TvdDataModuleGenericStruct::RefreshAllForms() {
    for (TForm** slot : GetFrameForms())
        if (auto* g = dynamic_cast<TvdFormGenericStruct*>(*slot)) g->RefreshForm();
}

void TvdDataModuleGenericStruct::CloseIfExists(TForm** slot) {
    if (slot && *slot) {
        (*slot)->Close();
        Application()->ProcessMessages();
    }
}

void TvdDataModuleGenericStruct::FormDestroyed(TForm* window) {
    if (window == Application()->MainForm()) {
        MainFormClosing = true;
        if (MainFormRef && *MainFormRef == window) *MainFormRef = nullptr;
        CloseIfExists(MainFormRef);
        CloseIfExists(CheckUpdatesFormRef);
        CloseIfExists(AboutFormRef);
        for (TForm** slot : GetExtraFrameForms()) CloseIfExists(slot);
        return;
    }
    for (TForm** slot : {MainFormRef, CheckUpdatesFormRef, AboutFormRef})
        if (slot && *slot == window) *slot = nullptr;
    for (TForm** slot : GetExtraFrameForms())
        if (slot && *slot == window) {
            *slot = nullptr;
            break;
        }
}

// ---- opening windows ---------------------------------------------------------------------

void TvdDataModuleGenericStruct::OpenForm(TForm** slot, const TFormClass& cls, const void* creationData) {
    if (!Application()->MainForm()) CreateMainForm(slot, cls, creationData);
    else ShowForm(slot, cls, creationData, true, ModalWindows);
}

void TvdDataModuleGenericStruct::CreateMainForm(TForm** slot, const TFormClass& cls, const void* creationData) {
    if (!slot || !cls) return;
    if (!*slot) {
        FlagScope creating(CreatingMainForm);
        PendingCreationData = creationData;
        struct Clear {
            const void*& p;
            ~Clear() { p = nullptr; }
        } clear{PendingCreationData};
        TForm* window = cls.Create(Application());
        if (!Application()->MainForm()) Application()->SetMainForm(window);
        *slot = window;
    }
    if (*slot) PrepareForm(*slot, true, true, false);
}

void TvdDataModuleGenericStruct::ShowForm(TForm** slot, const TFormClass& cls, const void* creationData, bool show,
                                          bool modal) {
    if (!slot || *slot || !cls) return;
    PendingCreationData = creationData;
    struct Clear {
        const void*& p;
        ~Clear() { p = nullptr; }
    } clear{PendingCreationData};
    TForm* window = cls.Create(Application());
    *slot = window;
    PendingCreationData = nullptr;
    PrepareForm(window, true, show, modal);
}

void TvdDataModuleGenericStruct::PrepareForm(TForm* window, bool hideFirst, bool show, bool modal) {
    if (window->Visible() && hideFirst) window->Hide();
    RestoreFormPlacement(window);
    RestoreFormSettings(window);
    if (auto* g = dynamic_cast<TvdFormGenericStruct*>(window)) g->RefreshForm();
    if (window == Application()->MainForm() && !Application()->ShowMainForm) return;
    if (HideRequested || !show) return;
    // Secondary windows open modeless in this program; a modal request shows the same
    // window, which the caller then waits for through its own close event.
    (void)modal;
    window->Show();
}

void TvdDataModuleGenericStruct::ShowAbout() { ShowForm(AboutFormRef, AboutFormClass, &ExtraInfo, true, ModalWindows); }

void TvdDataModuleGenericStruct::ShowCheckUpdates() {
    ShowForm(CheckUpdatesFormRef, CheckUpdatesFormClass, &ExtraInfo, true, false);
}


void TvdDataModuleGenericStruct::ApplicationEventsMinimize(TComponent*) { AppMinimized = true; }
void TvdDataModuleGenericStruct::ApplicationEventsRestore(TComponent*) { AppMinimized = false; }

}  // namespace pv
