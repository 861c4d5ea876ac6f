#pragma once
// The system's find and replace dialogs as components. Execute opens the dialog beside
// its window (or brings the open one forward); each request of the user runs OnFind or
// OnReplace with the dialog's texts and options as the user left them.
#include <functional>
#include <memory>
#include <string>

#include "controls/component.h"
#include "platform/ui/find_dialog.h"

namespace pv {

class TForm;

class TFindDialog : public TComponent, private IFindDialogSink {
public:
    explicit TFindDialog(TComponent* owner) : TComponent(owner) {}
    ~TFindDialog() override;
    PV_COMPONENT_CLASS(TFindDialog)

    std::string FindText;
    std::string ReplaceText;
    FindOptions Options;
    // The last request: find next, replace or replace all.
    FindCommand Command = FindCommand::FindNext;

    void Execute(const TForm* owner);
    void CloseDialog();
    bool IsOpen() const { return peer_ != nullptr; }

    TNotifyEvent OnFind;
    TNotifyEvent OnReplace;
    // What a request from the dialog does; the native dialog and tests both come here.
    void Request(FindCommand command, const std::string& findText, const std::string& replaceText,
                 const FindOptions& options);

protected:
    virtual bool IsReplace() const { return false; }

private:
    void PeerFind(FindCommand command, const std::string& findText, const std::string& replaceText,
                  const FindOptions& options) override {
        Request(command, findText, replaceText, options);
    }
    void PeerDialogClosed() override;
    std::unique_ptr<IFindDialogPeer> peer_;
};

class TReplaceDialog final : public TFindDialog {
public:
    explicit TReplaceDialog(TComponent* owner) : TFindDialog(owner) {}
    PV_COMPONENT_CLASS(TReplaceDialog)

protected:
    bool IsReplace() const override { return true; }
};

}  // namespace pv
