#pragma once
// The window base every window of the program derives from. It ties a window to the
// frame, picks the dialog font, runs the translation hooks and takes part in placement
// persistence.
#include <optional>
#include <string>

#include "controls/form.h"

namespace pv {

class TvdDataModuleGenericStruct;
class TvdlgLanguageCompositeAllEx;

// Sent with a pointer to such a function in wParam, a window raises that function's
// exception on its own (main) thread, where the error report can show it.
using TExceptionRaiser = void (*)();
inline constexpr uint32_t kRaiseOnMainThreadMessage = 1025;

class TvdFormGenericStruct : public TForm {
public:
    explicit TvdFormGenericStruct(TComponent* owner);
    PV_COMPONENT_CLASS(TvdFormGenericStruct)

    bool IsMainForm = false;
    const void* CreationData = nullptr;

    // ---- virtual operations, in slot order ----
    virtual void BeforeFormLoad();
    virtual void AfterFormLoad() {}
    virtual void AfterFormCreate();
    virtual void FormDeferredStart() {}
    virtual void RefreshForm() {}
    virtual void SaveSettings(const std::string& optionsFile) {}
    virtual void LoadSettings(const std::string& optionsFile) {}
    virtual void TranslateForm() {}
    virtual void RegisterFormMessages() {}
    virtual void RegisterFormTexts() {}

protected:
    // One value of the window's own settings: the key in the window's section of the
    // options file (a section given twice there keeps the keys of both). Nothing when the
    // file or the key is missing.
    std::optional<std::string> ReadSetting(const std::string& optionsFile, const std::string& key) const;
    void WriteSetting(const std::string& optionsFile, const std::string& key, const std::string& value);
    void BeforeLoad() final { BeforeFormLoad(); }
    void AfterLoad() final { AfterFormLoad(); }
    void AfterCreate() final { AfterFormCreate(); }
    bool HandleMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
};

class TvdFormGenericStructEx : public TvdFormGenericStruct {
public:
    explicit TvdFormGenericStructEx(TComponent* owner);
    PV_COMPONENT_CLASS(TvdFormGenericStructEx)

    // The frame; never empty once constructed.
    TvdDataModuleGenericStruct* Shared = nullptr;

    void BeforeFormLoad() override;
    void AfterFormCreate() override;

protected:
    // The frame's translation composite, for the translation hooks; empty while the frame
    // has none.
    TvdlgLanguageCompositeAllEx* Translation() const;
};

class TvdFormFrontBase : public TvdFormGenericStructEx {
public:
    explicit TvdFormFrontBase(TComponent* owner);
    PV_COMPONENT_CLASS(TvdFormFrontBase)

    void AfterFormCreate() override;
    virtual void UpdateCaption();
    // Brings the window up: restores the application and the window, shows it.
    void RestoreAndShow();

protected:
    FormParams CreateParams() const override;
};

}  // namespace pv
