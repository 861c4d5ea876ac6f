#pragma once
// The document host: a non-visual component that shows one document at a time in a
// container through a viewer object it creates, owns and replaces as the kind of document
// changes. Viewer classes are registered per kind of document under a key pattern; the
// key of an address is its extension ("*.php"), "/" for none, and "/.*" registers a
// viewer for everything.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "controls/component.h"
#include "util/exception.h"

namespace pv {

class TControl;
class TWinControl;
class TvddvHost;

PV_DECLARE_EXCEPTION(EvdParameterOutOfRange, Exception);

// The kinds of document a host shows.
inline constexpr int kDocumentFile = 2;
inline constexpr int kDocumentAddress = 3;

// The viewer's report to the host's OnStateChanged.
enum TvddvState : int {
    kViewerCreatedOrDestroyed = 0,
    kViewerProgress = 1,
    kViewerStatusText = 2,
    kViewerAddress = 3,
};

// The base of viewers. The host gives a new viewer its address, post data, host and
// container before it opens it.
class TvddvViewer : public TComponent {
public:
    explicit TvddvViewer(TComponent* owner) : TComponent(owner) {}
    PV_COMPONENT_CLASS(TvddvViewer)

    TvddvHost* Host = nullptr;
    TWinControl* Container = nullptr;
    std::string DocumentAddress;
    std::optional<std::string> PostData;
    bool CanGoBack = false;
    bool CanGoForward = false;
    int Progress = 0;
    int ProgressMax = 0;
    std::string StatusText;

    // ---- virtual operations, in slot order ----
    // Prepares the view in the container.
    virtual void Open() = 0;
    // Requests the document at the address; whether the request was issued.
    virtual bool Load() = 0;
    // Stops and hides the view.
    virtual void CloseView() {}
    virtual void Print() {}
    virtual void Refresh() {}
    virtual void GoForward() {}
    virtual void GoBack() {}
    // Zooming is kept for viewers of other programs; no viewer here does anything.
    virtual void ZoomIn() {}
    virtual void ZoomOut() {}
    // By 200 pixels.
    virtual void ScrollUp() {}
    virtual void ScrollDown() {}
    // Paging is kept for viewers of other programs; no viewer here does anything.
    virtual void PageUp() {}
    virtual void PageDown() {}
    // The HTML source of the displayed document; empty in the base.
    virtual std::string GetDocumentText() { return {}; }
    virtual void SetDocumentText(const std::string& html) {}
    // The control that displays the document; none in the base.
    virtual TControl* GetControl() { return nullptr; }

protected:
    // Raises the host's OnStateChanged.
    void ReportState(int state);
};

// A viewer class the host can make.
struct TvddvViewerClass {
    std::string Name;
    std::function<TvddvViewer*(TComponent* owner)> Create;
    explicit operator bool() const { return static_cast<bool>(Create); }
};

class TvddvHost final : public TComponent {
public:
    explicit TvddvHost(TComponent* owner) : TComponent(owner) {}
    PV_COMPONENT_CLASS(TvddvHost)

    // Kind 2 registers for files, kind 3 for addresses; a key registered before keeps
    // its class. Other kinds raise EvdParameterOutOfRange.
    void RegisterViewer(int kind, const std::string& keyPattern, TvddvViewerClass cls);
    // Select, then the viewer's Load; whether a request was issued. Nothing is requested
    // while closing, for an empty address, without a viewer class, or for the address
    // and post data the viewer shows already.
    bool Navigate(int kind, const std::string& address, std::optional<std::string> postData = {});
    // Makes sure a viewer fit for the address shows it; true when the viewer was given a
    // new document to load.
    bool Select(int kind, const std::string& address, std::optional<std::string> postData = {});
    // Closes and frees the viewer; while `closing` stays set, Navigate does nothing.
    void CloseViewer(bool closing);

    TvddvViewer* Viewer() const { return viewer_; }
    bool Closing() const { return closing_; }
    // The key of a document of this kind: "*" and the lower-case extension, or "/".
    std::string DocumentKey(int kind, const std::string& address) const;

    std::string UserAgent;
    std::string Referer;
    TWinControl* HostContainer = nullptr;
    std::function<void(TvddvHost* host, int state)> OnStateChanged;
    void StateChanged(int state);

private:
    const std::map<std::string, TvddvViewerClass>& Registry(int kind) const;
    bool closing_ = false;
    std::map<std::string, TvddvViewerClass> fileViewers_;
    std::map<std::string, TvddvViewerClass> addressViewers_;
    TvddvViewer* viewer_ = nullptr;
};

}  // namespace pv
