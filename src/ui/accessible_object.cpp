#include "ui/accessible_object.h"

#include <oleacc.h>

#include <utility>

#include "core/wide.h"
#include "ui/module.h"

namespace quorvel::ui {
namespace {

constexpr DateTime kMinute = 1.0 / 1440;

// Defined here: the import library's IID_IAccessible is a code thunk, not the
// identifier, and linking it would load oleacc at start.
constexpr IID kAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr IID kDispatchId = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kUnknownId = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The functions of the reader's libraries, loaded from the system folder at
// the first request and kept for the rest of the run.
struct ReaderLibraries {
    LazyLibrary oleacc{L"oleacc.dll"};
    LazyLibrary oleaut{L"oleaut32.dll"};
    LazyLibrary ole{L"ole32.dll"};
    decltype(&LresultFromObject) lresultFromObject =
        oleacc.Function<decltype(&LresultFromObject)>("LresultFromObject");
    decltype(&AccessibleObjectFromWindow) objectFromWindow =
        oleacc.Function<decltype(&AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
    decltype(&SysAllocString) allocString = oleaut.Function<decltype(&SysAllocString)>("SysAllocString");
    decltype(&CoInitializeEx) initialize = ole.Function<decltype(&CoInitializeEx)>("CoInitializeEx");

    bool Loaded() const { return lresultFromObject && objectFromWindow && allocString && initialize; }
};

ReaderLibraries* Libraries() {
    static ReaderLibraries* loaded = [] {
        static ReaderLibraries libraries;
        if (!libraries.Loaded()) return static_cast<ReaderLibraries*>(nullptr);
        // Calls from the reader's process come in through this thread's
        // messages, as in any window's apartment. (Already initialized: as it was.)
        (void)libraries.initialize(nullptr, COINIT_APARTMENTTHREADED);
        return &libraries;
    }();
    return loaded;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

void SetLong(VARIANT* out, LONG value) {
    out->vt = VT_I4;
    out->lVal = value;
}

}  // namespace

// The COM object itself: read-only, without children. Disconnected when its
// owner goes; a reader holding it then gets RPC_E_DISCONNECTED.
class AccessibleObject::Object final : public IAccessible {
public:
    Object(HWND window, AccessibleObject* owner) : window_(window), owner_(owner) {}

    void Disconnect() { owner_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (!IsEqualIID(id, kAccessibleId) && !IsEqualIID(id, kDispatchId) && !IsEqualIID(id, kUnknownId)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: not offered; readers call the IAccessible methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!owner_) return RPC_E_DISCONNECTED;
        return Libraries()->objectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), kDispatchId,
                                             reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return owner_ ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child) *child = nullptr;
        return owner_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, [this] { return owner_->name_; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, [this] { return Wide(owner_->value_()); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        role->vt = VT_EMPTY;
        if (!owner_) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        SetLong(role, owner_->role_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        state->vt = VT_EMPTY;
        if (!owner_) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        SetLong(state, STATE_SYSTEM_READONLY | (IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return NoText(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Nothing(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return Nothing(selection); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override {
        return owner_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        if (!owner_) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        RECT client{};
        GetClientRect(window_, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        *left = client.left;
        *top = client.top;
        *width = client.right - client.left;
        *height = client.bottom - client.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override { return Nothing(end); }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        hit->vt = VT_EMPTY;
        if (!owner_) return RPC_E_DISCONNECTED;
        POINT point{x, y};
        RECT client{};
        GetClientRect(window_, &client);
        if (!ScreenToClient(window_, &point) || !PtInRect(&client, point)) return S_FALSE;
        SetLong(hit, CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override {
        return owner_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    template <typename MakeText>
    HRESULT Text(const VARIANT& child, BSTR* out, MakeText make) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!owner_) return RPC_E_DISCONNECTED;
        if (!IsSelf(child)) return E_INVALIDARG;
        *out = Libraries()->allocString(make().c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT NoText(const VARIANT& child, BSTR* out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!owner_) return RPC_E_DISCONNECTED;
        return IsSelf(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT Nothing(VARIANT* out) {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
    }

    LONG references_ = 1;
    HWND window_;
    AccessibleObject* owner_;
};

AccessibleObject::AccessibleObject(LONG role, std::wstring name, std::function<std::string()> value)
    : role_(role), name_(std::move(name)), value_(std::move(value)) {}

AccessibleObject::~AccessibleObject() {
    if (!object_) return;
    object_->Disconnect();
    object_->Release();
}

bool AccessibleObject::Answer(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The object id comes as a 32-bit value in the 64-bit lParam.
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
    ReaderLibraries* libraries = Libraries();
    if (!libraries) return false;
    if (!object_) object_ = new Object(window, this);
    result = libraries->lresultFromObject(kAccessibleId, wParam, static_cast<IAccessible*>(object_));
    return result >= 0;  // a failure code: the system's default object answers instead
}

void AccessibleObject::Announce(HWND window, DateTime now) {
    if (!changed_) return;
    // A clock set back counts as a minute gone.
    if (announced_ && now >= lastAnnounced_ && now - lastAnnounced_ < kMinute) return;
    changed_ = false;
    announced_ = true;
    lastAnnounced_ = now;
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quorvel::ui
