#include "frame/form_base.h"
#include "platform/platform.h"
#include "util/ini_document.h"
#include "platform/file_tools.h"

#include "controls/application.h"
#include "frame/generic_frame.h"
#include "frame/product_info.h"
#include "util/exception.h"

namespace pv {

// ---- TvdFormGenericStruct ----------------------------------------------------------------

TvdFormGenericStruct::TvdFormGenericStruct(TComponent* owner) : TForm(owner) {}

void TvdFormGenericStruct::BeforeFormLoad() {
    IsMainForm = CreatingMainForm;
    CreationData = nullptr;
    // A window made after the reading direction was applied reads the same way as the
    // windows that existed then; the native window takes it over when it is created.
    if (TApplication* app = Application()) SetRightToLeft(app->BiDiMode() != TBiDiMode::LeftToRight);
}

void TvdFormGenericStruct::AfterFormCreate() {
    Platform& p = GetPlatform();
    FontSpec iconTitle = p.System().IconTitleFont();
    OsVersion v = p.System().Version();
    FontSpec f = Font();
    f.Size = iconTitle.Size;
    if (v.PlatformId == 2 && v.Major >= 6) f.Name = iconTitle.Name;
    else if (v.PlatformId == 2 && v.Major >= 5) f.Name = "MS Shell Dlg 2";
    else f.Name = "MS Shell Dlg";
    SetFont(f);
}

bool TvdFormGenericStruct::HandleMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    if (msg == kRaiseOnMainThreadMessage && wParam) {
        reinterpret_cast<TExceptionRaiser>(wParam)();
        return true;
    }
    return TForm::HandleMessage(msg, wParam, lParam, result);
}

// ---- TvdFormGenericStructEx --------------------------------------------------------------

TvdFormGenericStructEx::TvdFormGenericStructEx(TComponent* owner) : TvdFormGenericStruct(owner) {}

void TvdFormGenericStructEx::BeforeFormLoad() {
    TvdFormGenericStruct::BeforeFormLoad();
    Shared = FrameInstance;
    if (!Shared) throw EvdPointerRefNotAssigned("");
    CreationData = Shared->PendingCreationData;
    RegisterFormMessages();
}

TvdlgLanguageCompositeAllEx* TvdFormGenericStructEx::Translation() const {
    return Shared ? Shared->Composite.get() : nullptr;
}

void TvdFormGenericStructEx::AfterFormCreate() {
    TvdFormGenericStruct::AfterFormCreate();
    RegisterFormTexts();
    TranslateForm();
}

// ---- TvdFormFrontBase --------------------------------------------------------------------

TvdFormFrontBase::TvdFormFrontBase(TComponent* owner) : TvdFormGenericStructEx(owner) {}

FormParams TvdFormFrontBase::CreateParams() const {
    FormParams p = TvdFormGenericStructEx::CreateParams();
    if (!IsMainForm) p.MinimizeBox = false;
    return p;
}

void TvdFormFrontBase::AfterFormCreate() {
    TvdFormGenericStructEx::AfterFormCreate();
    if (Shared->MainFormRef) *Shared->MainFormRef = this;
    if (!IsMainForm) SetCloseEnabled(false);
}

void TvdFormFrontBase::UpdateCaption() {
    SetCaption(std::string(product::kProgramName) + " " + product::kProgramVersion);
}

void TvdFormFrontBase::RestoreAndShow() {
    if (Shared && Shared->AppMinimized) Application()->Restore();
    if (GetWindowState() == WindowState::Minimized) SetWindowState(WindowState::Normal);
    if (!Visible()) Show();
}

namespace {
const IniDocument::ParseRules kSettingRules{.KeepUnkeyedLines = true, .MergeRepeatedSections = true};
}  // namespace

std::optional<std::string> TvdFormGenericStruct::ReadSetting(const std::string& optionsFile,
                                                              const std::string& key) const {
    Platform& p = GetPlatform();
    if (!p.Files().FileExists(optionsFile)) return std::nullopt;
    IniDocument doc = IniDocument::Parse(ReadCodePageText(p, optionsFile), kSettingRules);
    const std::string* value = doc.Find(Name(), key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

void TvdFormGenericStruct::WriteSetting(const std::string& optionsFile, const std::string& key,
                                        const std::string& value) {
    Platform& p = GetPlatform();
    IniDocument doc;
    if (p.Files().FileExists(optionsFile)) doc = IniDocument::Parse(ReadCodePageText(p, optionsFile), kSettingRules);
    doc.WriteString(Name(), key, value);
    ReplaceCodePageText(p, optionsFile, doc.ToText());
}

}  // namespace pv
