#pragma once
// The web viewer: shows documents in the embedded web browser, sends the host's user
// agent and referer as header lines with every request, and can wait for the top-level
// document while the window stays responsive.
#include "windows/document_host.h"

namespace pv {

class TvddvWebBrowser;

class TvddvViewerIE final : public TvddvViewer {
public:
    explicit TvddvViewerIE(TComponent* owner);
    PV_COMPONENT_CLASS(TvddvViewerIE)

    void Open() override;
    bool Load() override;
    void CloseView() override;
    void Print() override;
    void Refresh() override;
    void GoForward() override;
    void GoBack() override;
    void ScrollUp() override;
    void ScrollDown() override;
    std::string GetDocumentText() override;
    void SetDocumentText(const std::string& html) override;
    TControl* GetControl() override;

    // Lets messages run until the top-level document is there (true), the timeout in
    // milliseconds passes (negative: none) or the view closes (false).
    bool WaitForDocument(int timeoutMs);
    // Whether a browser engine stands behind the view.
    bool EngineAvailable() const;

    TvddvWebBrowser* Browser = nullptr;
    bool Waiting = false;
    bool CancelWait = false;
    // Counts completed documents down from 0 until the top-level one completes, then
    // turns positive.
    int CompletionCounter = 0;

    static TvddvViewerClass Class();

private:
    void BrowserDocumentComplete(const std::string& address, bool topLevel);
};

}  // namespace pv
