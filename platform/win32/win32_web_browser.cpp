// The web browser family's native peer: the system's browser control in a child window of
// its own class, hosted without a template library. The control asks its container for a
// client site (with the in-place site, the frame, the document host's UI handler, the
// command target that answers script-error reports and the ambient properties), and it
// reports its events to a sink connected at its connection point. Each site object is
// counted while it lives, so that the tests see the control let go of every one of them.
#include "platform/win32/win32_web_browser.h"

#include <ole2.h>
#include <olectl.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <mshtml.h>
#include <docobj.h>

#include <string>

#include "platform/win32/win32_control.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {

const wchar_t* kHostClass = L"PivolaBrowserHost";
// The ambient property through which the control asks its container for the user agent.
constexpr DISPID kAmbientUserAgent = -5513;
// The command group of the document host, in which a page's script error is reported.
const GUID kDocHostCommandHandler = {0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};
const CLSID kHtmlDocumentClass = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};
const CLSID kWebBrowserClass = {0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};
const IID kWebBrowserEvents2 = {0x34a715a0, 0x6587, 0x11d0, {0x92, 0x4a, 0x00, 0x20, 0xaf, 0xc7, 0xac, 0x4d}};
const wchar_t* kEmulationKey = L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

int liveObjects = 0;

template <typename T>
void ReleaseAndClear(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

class Win32WebBrowserPeer;

// The reference count shared by the site's objects, and the count of them alive.
class Counted {
public:
    Counted() { ++liveObjects; }
    virtual ~Counted() { --liveObjects; }
    ULONG AddRefImpl() { return ++refs_; }
    ULONG ReleaseImpl() {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    ULONG refs_ = 1;
};

// The window the control lives in: its frame, which is the top-level window around it.
class BrowserFrame final : public IOleInPlaceFrame, private Counted {
public:
    explicit BrowserFrame(HWND host) : host_(host) {}
    void Forget() { host_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow ||
            riid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return AddRefImpl(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseImpl(); }

    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = host_ ? GetAncestor(host_, GA_ROOT) : nullptr;
        return *window ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND host_;
};

// The control's client site: where it sits (the in-place site), how the document host
// behaves (the UI handler), the answer to script errors (the command target) and the
// ambient properties (IDispatch), the user agent among them.
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IDocHostUIHandler,
                          public IOleCommandTarget,
                          public IDispatch,
                          private Counted {
public:
    BrowserSite(Win32WebBrowserPeer* peer, HWND host, BrowserFrame* frame) : peer_(peer), host_(host), frame_(frame) {
        frame_->AddRef();
    }
    ~BrowserSite() override { frame_->Release(); }
    // The peer is going: later calls of the control find no one to ask.
    void Forget() {
        peer_ = nullptr;
        host_ = nullptr;
        frame_->Forget();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IDocHostUIHandler)
            *out = static_cast<IDocHostUIHandler*>(this);
        else if (riid == IID_IOleCommandTarget)
            *out = static_cast<IOleCommandTarget*>(this);
        else if (riid == IID_IDispatch)
            *out = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return AddRefImpl(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseImpl(); }

    // ---- IOleClientSite ----
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // ---- IOleInPlaceSite ----
    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = host_;
        return host_ ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return host_ ? S_OK : S_FALSE; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = frame_;
            frame_->AddRef();
        }
        if (document) *document = nullptr;
        RECT client{};
        if (host_) GetClientRect(host_, &client);
        if (position) *position = client;
        if (clip) *clip = client;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = host_ ? GetAncestor(host_, GA_ROOT) : nullptr;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT rect) override;

    // ---- IDocHostUIHandler: the engine's own menus and keys, no frame of its own ----
    STDMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_FALSE; }
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override {
        if (!info) return E_POINTER;
        info->cbSize = sizeof(DOCHOSTUIINFO);
        info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_THEME;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
        return S_OK;
    }
    STDMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                        IOleInPlaceUIWindow*) override {
        return S_FALSE;
    }
    STDMETHODIMP HideUI() override { return S_OK; }
    STDMETHODIMP UpdateUI() override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD) override {
        if (key) *key = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP GetDropTarget(IDropTarget*, IDropTarget** target) override {
        if (target) *target = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetExternal(IDispatch** external) override {
        if (external) *external = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP FilterDataObject(IDataObject*, IDataObject** out) override {
        if (out) *out = nullptr;
        return S_FALSE;
    }

    // ---- IOleCommandTarget: a page's script error is answered "go on", without a dialog ----
    STDMETHODIMP QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) override { return OLECMDERR_E_UNKNOWNGROUP; }
    STDMETHODIMP Exec(const GUID* group, DWORD id, DWORD, VARIANT*, VARIANT* out) override {
        if (!group || *group != kDocHostCommandHandler) return OLECMDERR_E_UNKNOWNGROUP;
        if (id != OLECMDID_SHOWSCRIPTERROR) return OLECMDERR_E_NOTSUPPORTED;
        if (out) {
            VariantClear(out);
            out->vt = VT_BOOL;
            out->boolVal = VARIANT_TRUE;
        }
        return S_OK;
    }

    // ---- IDispatch: the ambient properties ----
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;

private:
    Win32WebBrowserPeer* peer_;
    HWND host_;
    BrowserFrame* frame_;
};

// The control's events, heard at its connection point.
class BrowserEvents final : public IDispatch, private Counted {
public:
    explicit BrowserEvents(Win32WebBrowserPeer* peer) : peer_(peer) {}
    void Forget() { peer_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kWebBrowserEvents2)
            *out = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return AddRefImpl(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseImpl(); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    Win32WebBrowserPeer* peer_;
};

// A parameter of an event: the arguments come last first; a by-reference variant is
// followed to the value it points at.
const VARIANT* Arg(const DISPPARAMS* params, UINT fromLast) {
    if (!params || fromLast >= params->cArgs) return nullptr;
    const VARIANT* v = &params->rgvarg[fromLast];
    if (v->vt == (VT_VARIANT | VT_BYREF) && v->pvarVal) v = v->pvarVal;
    return v;
}

long LongArg(const DISPPARAMS* params, UINT fromLast) {
    const VARIANT* v = Arg(params, fromLast);
    if (!v) return 0;
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(v), 0, VT_I4))) return 0;
    return copy.lVal;
}

std::string TextArg(const DISPPARAMS* params, UINT fromLast) {
    const VARIANT* v = Arg(params, fromLast);
    if (!v) return {};
    if (v->vt == VT_BSTR) return v->bstrVal ? Narrow(v->bstrVal, static_cast<int>(SysStringLen(v->bstrVal))) : "";
    if (v->vt == (VT_BSTR | VT_BYREF) && v->pbstrVal && *v->pbstrVal)
        return Narrow(*v->pbstrVal, static_cast<int>(SysStringLen(*v->pbstrVal)));
    return {};
}

// Sets a by-reference cancel flag to "go on".
void NeverCancel(DISPPARAMS* params, UINT fromLast) {
    if (!params || fromLast >= params->cArgs) return;
    VARIANT& v = params->rgvarg[fromLast];
    if (v.vt == (VT_BOOL | VT_BYREF) && v.pboolVal) *v.pboolVal = VARIANT_FALSE;
}

BSTR ToBstr(const std::string& text) {
    std::wstring wide = Wide(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

// Writes the program's entry under the browser-emulation feature, unless it stands
// already; a program started from elsewhere gets an entry under its own name.
void SetBrowserEmulation() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kEmulationKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD value = 0, type = 0, size = sizeof(value);
    bool present = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                       ERROR_SUCCESS &&
                   type == REG_DWORD && value == kBrowserEmulation;
    if (!present) {
        value = kBrowserEmulation;
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
    RegCloseKey(key);
}

// The control's in-place activation and drag and drop need OLE on this thread, beyond
// the plain COM the platform starts; it stays on until the process ends.
bool OleReady() {
    static const bool ready = SUCCEEDED(OleInitialize(nullptr));
    return ready;
}

class Win32WebBrowserPeer final : public Win32ChildPeer<IWebBrowserPeer> {
public:
    Win32WebBrowserPeer(IWebBrowserSink& sink, HWND parent) : Win32ChildPeer(sink), browserSink_(sink) {
        RegisterWindowClass(kHostClass, DefWindowProcW);
        Attach(CreateChild(kHostClass, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent));
    }

    // Creates the control in the window and connects its events; false when it cannot be
    // made (the caller then drops the peer).
    bool Embed() {
        if (!hwnd_) return false;
        if (FAILED(CoCreateInstance(kWebBrowserClass, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&object_))))
            return false;
        frame_ = new BrowserFrame(hwnd_);
        site_ = new BrowserSite(this, hwnd_, frame_);
        events_ = new BrowserEvents(this);
        if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(site_)))) return false;
        OleSetContainedObject(object_, TRUE);
        RECT client{};
        GetClientRect(hwnd_, &client);
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0, hwnd_,
                                   &client)))
            return false;
        if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) return false;
        object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace_));
        IConnectionPointContainer* points = nullptr;
        if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) {
            if (SUCCEEDED(points->FindConnectionPoint(kWebBrowserEvents2, &point_)) &&
                FAILED(point_->Advise(static_cast<IDispatch*>(events_), &cookie_)))
                ReleaseAndClear(point_);
            points->Release();
        }
        return true;
    }

    ~Win32WebBrowserPeer() override {
        if (point_) {
            point_->Unadvise(cookie_);
            ReleaseAndClear(point_);
        }
        if (browser_) browser_->Stop();
        if (inPlace_) inPlace_->InPlaceDeactivate();
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
            OleSetContainedObject(object_, FALSE);
        }
        ReleaseAndClear(inPlace_);
        ReleaseAndClear(browser_);
        ReleaseAndClear(object_);
        if (site_) site_->Forget();
        if (events_) events_->Forget();
        ReleaseAndClear(site_);
        ReleaseAndClear(events_);
        ReleaseAndClear(frame_);
    }

    // The control fills the window: it follows each change of the window's size.
    bool OwnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
        if (msg == WM_SIZE) FitControl();
        return false;
    }
    void FitControl(const RECT* given = nullptr) {
        if (!inPlace_) return;
        RECT client{};
        if (given) client = *given;
        else GetClientRect(hwnd_, &client);
        inPlace_->SetObjectRects(&client, &client);
    }

    bool Navigate(const std::string& address, int flags, const std::string& postData,
                  const std::string& headers) override {
        if (!browser_) return false;
        // The user agent is asked for anew: the container's answer may have changed.
        IOleControl* control = nullptr;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control)))) {
            control->OnAmbientPropertyChange(kAmbientUserAgent);
            control->Release();
        }
        VARIANT url, navFlags, target, post, head;
        for (VARIANT* v : {&url, &navFlags, &target, &post, &head}) VariantInit(v);
        url.vt = VT_BSTR;
        url.bstrVal = ToBstr(address);
        navFlags.vt = VT_I4;
        navFlags.lVal = flags;
        if (!postData.empty()) {
            SAFEARRAY* bytes = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(postData.size()));
            if (bytes) {
                void* data = nullptr;
                if (SUCCEEDED(SafeArrayAccessData(bytes, &data))) {
                    memcpy(data, postData.data(), postData.size());
                    SafeArrayUnaccessData(bytes);
                }
                post.vt = VT_ARRAY | VT_UI1;
                post.parray = bytes;
            }
        }
        if (!headers.empty()) {
            head.vt = VT_BSTR;
            head.bstrVal = ToBstr(headers);
        }
        HRESULT hr = browser_->Navigate2(&url, &navFlags, &target, &post, &head);
        for (VARIANT* v : {&url, &navFlags, &target, &post, &head}) VariantClear(v);
        return SUCCEEDED(hr);
    }

    void Stop() override {
        if (browser_) browser_->Stop();
    }
    bool Busy() override {
        VARIANT_BOOL busy = VARIANT_FALSE;
        return browser_ && SUCCEEDED(browser_->get_Busy(&busy)) && busy != VARIANT_FALSE;
    }
    BrowserReadyState ReadyState() override {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (!browser_ || FAILED(browser_->get_ReadyState(&state))) return BrowserReadyState::Uninitialized;
        switch (state) {
            case READYSTATE_LOADING: return BrowserReadyState::Loading;
            case READYSTATE_LOADED: return BrowserReadyState::Loaded;
            case READYSTATE_INTERACTIVE: return BrowserReadyState::Interactive;
            case READYSTATE_COMPLETE: return BrowserReadyState::Complete;
            default: return BrowserReadyState::Uninitialized;
        }
    }
    void SetSilent(bool silent) override {
        if (browser_) browser_->put_Silent(silent ? VARIANT_TRUE : VARIANT_FALSE);
    }
    void GoBack() override {
        if (browser_) browser_->GoBack();
    }
    void GoForward() override {
        if (browser_) browser_->GoForward();
    }
    void Refresh() override {
        if (browser_) browser_->Refresh();
    }
    void ScrollBy(int dy) override {
        IHTMLDocument2* doc = Document();
        if (!doc) return;
        IHTMLWindow2* window = nullptr;
        if (SUCCEEDED(doc->get_parentWindow(&window)) && window) {
            window->scrollBy(0, dy);
            window->Release();
        }
        doc->Release();
    }
    void Print() override {
        if (browser_) browser_->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER, nullptr, nullptr);
    }
    std::string DocumentHtml() override {
        IHTMLDocument2* doc = Document();
        if (!doc) return {};
        std::string html;
        IHTMLDocument3* doc3 = nullptr;
        if (SUCCEEDED(doc->QueryInterface(IID_IHTMLDocument3, reinterpret_cast<void**>(&doc3)))) {
            IHTMLElement* root = nullptr;
            if (SUCCEEDED(doc3->get_documentElement(&root)) && root) {
                BSTR outer = nullptr;
                if (SUCCEEDED(root->get_outerHTML(&outer)) && outer) {
                    html = Narrow(outer, static_cast<int>(SysStringLen(outer)));
                    SysFreeString(outer);
                }
                root->Release();
            }
            doc3->Release();
        }
        doc->Release();
        return html;
    }
    void SetDocumentHtml(const std::string& html) override {
        IHTMLDocument2* doc = Document();
        if (!doc) return;
        SAFEARRAY* lines = SafeArrayCreateVector(VT_VARIANT, 0, 1);
        if (lines) {
            VARIANT* item = nullptr;
            if (SUCCEEDED(SafeArrayAccessData(lines, reinterpret_cast<void**>(&item)))) {
                item->vt = VT_BSTR;
                item->bstrVal = ToBstr(html);
                SafeArrayUnaccessData(lines);
                doc->write(lines);
                doc->close();
            }
            SafeArrayDestroy(lines);
        }
        doc->Release();
    }
    bool InsertBeforeBody(const std::string& html) override {
        IHTMLDocument2* doc = Document();
        if (!doc) return false;
        bool inserted = false;
        IHTMLElement* body = nullptr;
        if (SUCCEEDED(doc->get_body(&body)) && body) {
            BSTR where = SysAllocString(L"beforeBegin");
            BSTR text = ToBstr(html);
            inserted = SUCCEEDED(body->insertAdjacentHTML(where, text));
            SysFreeString(where);
            SysFreeString(text);
            body->Release();
        }
        doc->Release();
        return inserted;
    }

    IUnknown* Site() {
        if (!site_) return nullptr;
        site_->AddRef();
        return static_cast<IOleClientSite*>(site_);
    }

    // ---- from the site objects ----
    std::string AmbientUserAgent() { return browserSink_.PeerAmbientUserAgent(); }
    void Event(DISPID id, DISPPARAMS* params) {
        switch (id) {
            case DISPID_COMMANDSTATECHANGE: {
                long command = LongArg(params, 1);
                bool enabled = LongArg(params, 0) != 0;
                if (command == CSC_NAVIGATEFORWARD) browserSink_.PeerCommandStateChange(BrowserCommand::Forward, enabled);
                else if (command == CSC_NAVIGATEBACK) browserSink_.PeerCommandStateChange(BrowserCommand::Back, enabled);
                break;
            }
            case DISPID_NAVIGATECOMPLETE2:
                browserSink_.PeerNavigateComplete(TextArg(params, 0), IsTopLevel(Arg(params, 1)));
                break;
            case DISPID_DOCUMENTCOMPLETE:
                browserSink_.PeerDocumentComplete(TextArg(params, 0), IsTopLevel(Arg(params, 1)));
                break;
            case DISPID_BEFORENAVIGATE2:
            case DISPID_NAVIGATEERROR:
                NeverCancel(params, 0);
                break;
            case DISPID_PROGRESSCHANGE:
                browserSink_.PeerProgressChange(static_cast<int>(LongArg(params, 1)), static_cast<int>(LongArg(params, 0)));
                break;
            case DISPID_STATUSTEXTCHANGE:
                browserSink_.PeerStatusTextChange(TextArg(params, 0));
                break;
            default:
                break;
        }
    }

private:
    IHTMLDocument2* Document() {
        if (!browser_) return nullptr;
        IDispatch* dispatch = nullptr;
        if (FAILED(browser_->get_Document(&dispatch)) || !dispatch) return nullptr;
        IHTMLDocument2* doc = nullptr;
        dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&doc));
        dispatch->Release();
        return doc;
    }
    // Whether the event's browser is this control itself rather than a frame in its page.
    bool IsTopLevel(const VARIANT* v) {
        if (!v || v->vt != VT_DISPATCH || !v->pdispVal || !browser_) return true;
        IUnknown* theirs = nullptr;
        IUnknown* ours = nullptr;
        v->pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs));
        browser_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ours));
        bool same = theirs == ours;
        if (theirs) theirs->Release();
        if (ours) ours->Release();
        return same;
    }

    IWebBrowserSink& browserSink_;
    IOleObject* object_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    IOleInPlaceObject* inPlace_ = nullptr;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
    BrowserFrame* frame_ = nullptr;
    BrowserSite* site_ = nullptr;
    BrowserEvents* events_ = nullptr;
};

STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT rect) {
    if (peer_ && rect) peer_->FitControl(rect);
    return S_OK;
}

STDMETHODIMP BrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
    if (id != kAmbientUserAgent || !peer_) return DISP_E_MEMBERNOTFOUND;
    std::string agent;
    try {
        agent = peer_->AmbientUserAgent();
    } catch (...) {
        ParkException(std::current_exception());
        return DISP_E_EXCEPTION;
    }
    // An empty answer leaves the engine its own user agent.
    if (agent.empty()) return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    VariantInit(result);
    result->vt = VT_BSTR;
    result->bstrVal = ToBstr(agent);
    return S_OK;
}

STDMETHODIMP BrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    // The cancel flags are answered even after the peer has gone.
    if (id == DISPID_BEFORENAVIGATE2 || id == DISPID_NAVIGATEERROR) NeverCancel(params, 0);
    if (!peer_) return S_OK;
    try {
        peer_->Event(id, params);
    } catch (...) {
        ParkException(std::current_exception());
    }
    return S_OK;
}

}  // namespace

bool HtmlEngineAvailable() {
    IClassFactory* factory = nullptr;
    if (FAILED(CoGetClassObject(kHtmlDocumentClass, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory))))
        return false;
    factory->Release();
    return true;
}

int LiveBrowserSiteObjects() { return liveObjects; }

IUnknown* BrowserClientSite(IWebBrowserPeer& peer) {
    auto* ours = dynamic_cast<Win32WebBrowserPeer*>(&peer);
    return ours ? ours->Site() : nullptr;
}

std::unique_ptr<IWebBrowserPeer> CreateBrowserPeer(IWebBrowserSink& sink, HWND parent, bool needHtmlEngine) {
    if (!OleReady()) return nullptr;
    // Before the control exists: it reads the mode once, when it starts.
    SetBrowserEmulation();
    if (needHtmlEngine && !HtmlEngineAvailable()) return nullptr;
    auto peer = std::make_unique<Win32WebBrowserPeer>(sink, parent);
    if (!peer->Embed()) return nullptr;
    return peer;
}

std::unique_ptr<IWebBrowserPeer> Win32UserInterface::CreateWebBrowserPeer(IWebBrowserSink& sink, NativeHandle parent) {
    return CreateBrowserPeer(sink, reinterpret_cast<HWND>(parent), true);
}

}  // namespace pv::win32
