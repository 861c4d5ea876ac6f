#pragma once
// The translation composites: the language controller with the assistants that apply its
// texts to components, and the message boxes' translation. The frame owns one
// TvdlgLanguageCompositeAllEx from start-up to shutdown; every window reaches it through
// the frame. Each level creates its members after its base's, in the order declared, and
// the assistants go before the controller they use.
#include "lang/assistant_actions.h"
#include "lang/assistant_application.h"
#include "lang/assistant_controls.h"
#include "lang/assistant_controls_vd.h"
#include "lang/assistant_menus.h"
#include "lang/language_assistant.h"
#include "lang/language_controller.h"
#include "lang/message_dialog.h"

namespace pv {

class Platform;

class TvdlgLanguageComposite {
public:
    explicit TvdlgLanguageComposite(Platform& platform);
    virtual ~TvdlgLanguageComposite() = default;
    TvdlgLanguageComposite(const TvdlgLanguageComposite&) = delete;
    TvdlgLanguageComposite& operator=(const TvdlgLanguageComposite&) = delete;

    TvdlgLanguageController& Controller() { return controller_; }
    TvdlgLanguageAssistantStoredResources& AssistantStoredResources() { return storedResources_; }
    // What the program's message boxes are translated with.
    TvdlgMessageDialogTexts& DialogTexts() { return dialogTexts_; }
    const TvdlgMessageDialogTexts& DialogTexts() const { return dialogTexts_; }

private:
    TvdlgLanguageController controller_;
    TvdlgLanguageAssistantStoredResources storedResources_;
    TvdlgMessageDialogTexts dialogTexts_;
};

class TvdlgLanguageCompositeAll : public TvdlgLanguageComposite {
public:
    explicit TvdlgLanguageCompositeAll(Platform& platform);

    TvdlgLanguageAssistantApplication& AssistantApplication() { return application_; }
    TvdlgLanguageAssistantActions& AssistantActions() { return actions_; }
    TvdlgLanguageAssistantMenus& AssistantMenus() { return menus_; }
    TvdlgLanguageAssistantControls& AssistantControls() { return controls_; }

private:
    TvdlgLanguageAssistantApplication application_;
    TvdlgLanguageAssistantActions actions_;
    TvdlgLanguageAssistantMenus menus_;
    TvdlgLanguageAssistantControls controls_;
};

class TvdlgLanguageCompositeAllEx : public TvdlgLanguageCompositeAll {
public:
    explicit TvdlgLanguageCompositeAllEx(Platform& platform);

    TvdlgLanguageAssistantControlsVD& AssistantControlsVD() { return controlsVD_; }
    TvdlgLanguageAssistantGridsVD& AssistantGridsVD() { return gridsVD_; }

private:
    TvdlgLanguageAssistantControlsVD controlsVD_;
    TvdlgLanguageAssistantGridsVD gridsVD_;
};

}  // namespace pv
