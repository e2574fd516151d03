// The client area's IAccessible: one object per answer, holding only the window, that reads the
// targets afresh on every call (child ids 1..N in the order of the screen areas, top first).
#include "colvane/shell/accessible_win.h"

#include <oleacc.h>

#include <new>

#include "colvane/frame/coords_win.h"
#include "colvane/shell/area_targets_win.h"
#include "colvane/shell/target_words.h"
#include "colvane/shell/synthetic_mouse_win.h"

namespace {

// Spelled out: mingw's import library gives IID_IAccessible as a code address.
const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

bool comStarted = false;  // this thread's apartment, begun for the first answer

// Child `child` (1-based) among every area's targets now; false when there is no such child.
bool FindChild(LONG child, AreaTarget* target) {
  AreaTarget targets[kMaxAreaTargets];
  LONG seen = 0;
  for (int area = 0; area < ProgramAreaCount(); ++area) {
    const int n = TargetsOfArea(area, targets);
    if (child > seen && child <= seen + n) {
      *target = targets[child - seen - 1];
      return true;
    }
    seen += n;
  }
  return false;
}

LONG ChildCount() {
  AreaTarget targets[kMaxAreaTargets];
  LONG n = 0;
  for (int area = 0; area < ProgramAreaCount(); ++area) n += TargetsOfArea(area, targets);
  return n;
}

// The first child under a layout point (areas come top first), or CHILDID_SELF.
LONG ChildAt(POINT layout) {
  AreaTarget targets[kMaxAreaTargets];
  LONG seen = 0;
  for (int area = 0; area < ProgramAreaCount(); ++area) {
    const int n = TargetsOfArea(area, targets);
    for (int i = 0; i < n; ++i)
      if (PtInRect(&targets[i].rect, layout)) return seen + i + 1;
    seen += n;
  }
  return CHILDID_SELF;
}

BSTR Words(const char* text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return nullptr;
  BSTR s = SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
  if (s) MultiByteToWideChar(CP_ACP, 0, text, -1, s, n);
  return s;
}

void SetChildId(VARIANT* v, LONG child) {
  v->vt = VT_I4;
  v->lVal = child;
}

class ClientAccessible final : public IAccessible {
 public:
  explicit ClientAccessible(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == kIidUnknown || riid == kIidDispatch || riid == kIidAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    if (n) *n = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!IsWindow(window_)) return E_FAIL;
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), kIidDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = IsWindow(window_) ? ChildCount() : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    AreaTarget t;
    return Check(child, &t) == S_OK ? S_FALSE : E_INVALIDARG;  // the children are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    AreaTarget t;
    const HRESULT hr = Check(child, &t);
    if (FAILED(hr)) return hr;
    *name = hr == S_FALSE ? SysAllocString(L"Colvane") : Words(TargetWords(t.name));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  // A number answer: `self` for the window itself, `target` for a child.
  HRESULT Number(VARIANT child, VARIANT* out, LONG self, LONG target) {
    if (!out) return E_POINTER;
    VariantInit(out);
    AreaTarget t;
    const HRESULT hr = Check(child, &t);
    if (FAILED(hr)) return hr;
    SetChildId(out, hr == S_FALSE ? self : target);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return Nothing(value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Number(child, role, ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_PUSHBUTTON);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Number(child, state, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSABLE);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { return Nothing(keys); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Empty(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return Empty(selection); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    AreaTarget t;
    const HRESULT hr = Check(child, &t);
    if (hr != S_OK) return hr == S_FALSE ? S_FALSE : hr;  // the client area itself does nothing
    *action = SysAllocString(L"Press");
    return *action ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    AreaTarget t;
    const HRESULT hr = Check(child, &t);
    if (FAILED(hr)) return hr;
    POINT a{0, 0}, b{0, 0};
    if (hr == S_FALSE) {
      RECT client;
      GetClientRect(window_, &client);
      b = POINT{client.right, client.bottom};
    } else {
      a = POINT{t.rect.left, t.rect.top};
      b = POINT{t.rect.right, t.rect.bottom};
      LayoutToScreen(&a);
      LayoutToScreen(&b);
    }
    ClientToScreen(window_, &a);
    ClientToScreen(window_, &b);
    *left = a.x;
    *top = a.y;
    *width = b.x - a.x;
    *height = b.y - a.y;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    AreaTarget t;
    const HRESULT hr = Check(start, &t);
    if (FAILED(hr)) return hr;
    const LONG from = hr == S_FALSE ? CHILDID_SELF : start.lVal, count = ChildCount();
    LONG to = CHILDID_SELF;
    if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD) to = 1;
    if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD) to = count;
    if (from != CHILDID_SELF && direction == NAVDIR_NEXT) to = from + 1;
    if (from != CHILDID_SELF && direction == NAVDIR_PREVIOUS) to = from - 1;
    if (to < 1 || to > count) return S_FALSE;
    SetChildId(end, to);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    VariantInit(hit);
    if (!IsWindow(window_)) return E_FAIL;
    POINT p{x, y};
    ScreenToClient(window_, &p);
    RECT client;
    GetClientRect(window_, &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    ScreenToLayout(&p);
    SetChildId(hit, ChildAt(p));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    AreaTarget t;
    const HRESULT hr = Check(child, &t);
    if (hr != S_OK) return hr == S_FALSE ? DISP_E_MEMBERNOTFOUND : hr;
    return PostMessageA(window_, kPressAccessibleChild, static_cast<WPARAM>(child.lVal), 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ClientAccessible() = default;

  // S_FALSE for the client area itself, S_OK with the child's target, or an error.
  HRESULT Check(const VARIANT& child, AreaTarget* target) const {
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (!IsWindow(window_)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return S_FALSE;
    return FindChild(child.lVal, target) ? S_OK : E_INVALIDARG;
  }
  static HRESULT Nothing(BSTR* text) {
    if (!text) return E_POINTER;
    *text = nullptr;
    return S_FALSE;
  }
  static HRESULT Empty(VARIANT* v) {
    if (!v) return E_POINTER;
    VariantInit(v);
    return S_FALSE;
  }

  LONG refs_ = 1;
  HWND window_;
};

}  // namespace

bool AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT* answer) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT) return false;
  if (!comStarted) {
    // Another part of the program may have begun it already; either way this call is ours to end.
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr) && hr != RPC_E_CHANGED_MODE) return false;
    comStarted = SUCCEEDED(hr);
  }
  ClientAccessible* object = new (std::nothrow) ClientAccessible(window);
  if (!object) return false;
  *answer = LresultFromObject(kIidAccessible, flags, object);
  object->Release();  // the answer holds its own reference, or none when it failed
  return true;
}

void PressAccessibleChild(HWND window, LONG child) {
  AreaTarget t;
  if (FindChild(child, &t)) SendClick(window, TargetCentre(t));
}

void FreeAccessible() {
  if (comStarted) CoUninitialize();
  comStarted = false;
}
