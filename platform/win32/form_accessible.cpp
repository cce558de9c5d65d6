#include "platform/win32/form_accessible.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "platform/win32/ansi_text.h"
#include "platform/win32/system_function.h"
#include "player/spoken_names.h"

namespace jukett::win32 {
namespace {

// Loaded when first needed, none at the program's start: ole32 when the
// window is made (under Wine the common controls have loaded it already), the
// rest at a reader's first question. The interface ids come by value
// (__uuidof): a statically linked IID_IAccessible can resolve to oleacc's
// import thunk instead of the id itself.
SystemFunction<decltype(&CoInitializeEx)> coInitializeEx{L"ole32.dll", "CoInitializeEx"};
SystemFunction<decltype(&SysAllocString)> sysAllocString{L"oleaut32.dll", "SysAllocString"};
SystemFunction<decltype(&LresultFromObject)> lresultFromObject{L"oleacc.dll", "LresultFromObject"};
SystemFunction<decltype(&AccessibleObjectFromWindow)> accessibleObjectFromWindow{
    L"oleacc.dll", "AccessibleObjectFromWindow"};

// A reader's calls from another process must arrive on the window's own
// thread, in turn with its messages: the thread joins a single-threaded
// apartment once. One already in the multithreaded apartment stays there,
// and the system's own answer stands.
bool InSingleThreadedApartment() {
  static const bool kJoined = [] {
    auto initialize = coInitializeEx.Get();
    if (!initialize) return false;
    const HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED);
    return result == S_OK || result == S_FALSE;
  }();
  return kJoined;
}

// The children count from 1 in reading order; 0 is the client area itself.
LONG ChildIdOf(Control control) {
  const auto order = ReadingOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == control) return static_cast<LONG>(i) + 1;
  }
  return CHILDID_SELF;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
  auto allocate = sysAllocString.Get();
  *out = allocate ? allocate(text.c_str()) : nullptr;
  return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT LongVariant(LONG value) {
  VARIANT variant{};
  variant.vt = VT_I4;
  variant.lVal = value;
  return variant;
}

}  // namespace

class FormAccessibleObject final : public IAccessible {
 public:
  FormAccessibleObject(HWND window, const FormLabels& labels, HWND fileList, HWND dirList)
      : window_(window), labels_(&labels), fileList_(fileList), dirList_(dirList) {}

  HWND Window() const { return window_; }
  void Disconnect() { labels_ = nullptr; }

  // ---- IUnknown, IDispatch ----

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Readers call the interface itself; nothing asks by name.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // ---- The tree ----

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!Connected()) return RPC_E_DISCONNECTED;
    return WindowObject(window_, __uuidof(IDispatch), parent) ? S_OK : E_FAIL;
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(ReadingOrder().size());
    return Connected() ? S_OK : RPC_E_DISCONNECTED;
  }

  // Only the lists are objects of their own; the labels are simple elements.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    if (!child) return E_POINTER;
    *child = nullptr;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    if (control == Control::Form) return E_INVALIDARG;
    if (!ListWindow(control)) return S_FALSE;
    return WindowObject(ListWindow(control), __uuidof(IDispatch), child) ? S_OK : E_FAIL;
  }

  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    end->vt = VT_EMPTY;
    Control control;
    if (const HRESULT failed = Resolve(start, control); failed != S_OK) return failed;
    const LONG from = start.lVal;
    LONG to = 0;
    if (direction == NAVDIR_FIRSTCHILD && from == CHILDID_SELF) to = 1;
    if (direction == NAVDIR_LASTCHILD && from == CHILDID_SELF) to = ChildCount();
    if (direction == NAVDIR_NEXT && from != CHILDID_SELF) to = from + 1;
    if (direction == NAVDIR_PREVIOUS && from != CHILDID_SELF) to = from - 1;
    if (to < 1 || to > ChildCount()) return S_FALSE;
    return Child(ReadingOrder()[to - 1], end);
  }

  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* at) override {
    if (!at) return E_POINTER;
    at->vt = VT_EMPTY;
    if (!Connected()) return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client{};
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    const Control list = ListOf(ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE));
    return Child(list != Control::Form ? list : labels_->At(point), at);
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (!Connected()) return RPC_E_DISCONNECTED;
    HWND focused = GetFocus();
    if (focused == window_) return Child(Control::Form, focus);
    const Control list = ListOf(focused);
    return list == Control::Form ? S_FALSE : Child(list, focus);
  }

  // ---- Each child ----

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    if (control == Control::Form) return Text(Utf8ToWide(kFormTitle), name);
    if (ListWindow(control)) {
      return AskList(control, [name](IAccessible* list, VARIANT self) {
        return list->get_accName(self, name);
      });
    }
    return Text(Utf8ToWide(SpokenName(LayoutOf(control), labels_->Caption(control))), name);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (!role) return E_POINTER;
    role->vt = VT_EMPTY;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    // A list is a window, as its own window object says (Wine 8's says nothing).
    *role = LongVariant(control == Control::Form      ? ROLE_SYSTEM_CLIENT
                        : ListWindow(control)         ? ROLE_SYSTEM_WINDOW
                        : IsButton(LayoutOf(control)) ? ROLE_SYSTEM_PUSHBUTTON
                                                      : ROLE_SYSTEM_STATICTEXT);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    if (!state) return E_POINTER;
    state->vt = VT_EMPTY;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    if (ListWindow(control)) {
      return AskList(control, [state](IAccessible* list, VARIANT self) {
        return list->get_accState(self, state);
      });
    }
    LONG flags = IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (control != Control::Form && !IsButton(LayoutOf(control))) flags |= STATE_SYSTEM_READONLY;
    *state = LongVariant(flags);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    RECT place{};
    if (ListWindow(control)) {
      // Where the list's own window object puts it (Wine 8's gives nothing).
      GetWindowRect(ListWindow(control), &place);
    } else {
      if (control == Control::Form) {
        GetClientRect(window_, &place);
      } else {
        place = labels_->Place(control);
      }
      MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    }
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    return IsButton(LayoutOf(control)) ? Text(L"Press", action) : DISP_E_MEMBERNOTFOUND;
  }

  // The click itself runs later, from the window's messages, as a click by
  // hand does: the reader is not kept waiting while the room is told.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    Control control;
    if (const HRESULT failed = Resolve(id, control); failed != S_OK) return failed;
    if (!IsButton(LayoutOf(control))) return DISP_E_MEMBERNOTFOUND;
    return PostMessageW(window_, kAccessibleActionMessage, static_cast<WPARAM>(control), 0)
               ? S_OK
               : E_FAIL;
  }

  // ---- What no control here has ----

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    return Nothing(id, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override {
    return Nothing(id, description);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override {
    return Nothing(id, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    if (topic) *topic = 0;
    return Nothing(id, file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override {
    return Nothing(id, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    selection->vt = VT_EMPTY;
    return Connected() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT id) override {
    Control control;
    const HRESULT failed = Resolve(id, control);
    return failed != S_OK ? failed : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  bool Connected() const { return labels_ && IsWindow(window_); }

  LONG ChildCount() const { return static_cast<LONG>(ReadingOrder().size()); }

  // What a child id names: the client area itself (Control::Form), a label
  // or a list.
  HRESULT Resolve(const VARIANT& id, Control& control) const {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (id.vt != VT_I4 || id.lVal < 0 || id.lVal > ChildCount()) return E_INVALIDARG;
    control = id.lVal == CHILDID_SELF ? Control::Form : ReadingOrder()[id.lVal - 1];
    return S_OK;
  }

  HWND ListWindow(Control control) const {
    if (control == Control::File1) return fileList_;
    if (control == Control::Dir1) return dirList_;
    return nullptr;
  }

  Control ListOf(HWND window) const {
    if (window && window == fileList_) return Control::File1;
    if (window && window == dirList_) return Control::Dir1;
    return Control::Form;
  }

  // The object the system makes for a window, as the interface `iid`.
  static void* WindowObject(HWND window, REFIID iid, void* out) {
    auto find = accessibleObjectFromWindow.Get();
    void* object = nullptr;
    if (!find || FAILED(find(window, OBJID_WINDOW, iid, &object))) object = nullptr;
    *static_cast<void**>(out) = object;
    return object;
  }

  // A child as a reader takes it: a list as its own object, a label by id.
  HRESULT Child(Control control, VARIANT* out) const {
    IDispatch* list = nullptr;
    if (ListWindow(control) && WindowObject(ListWindow(control), __uuidof(IDispatch), &list)) {
      out->vt = VT_DISPATCH;
      out->pdispVal = list;
      return S_OK;
    }
    *out = LongVariant(ChildIdOf(control));
    return S_OK;
  }

  // A list answers for itself, through the object the system makes for it.
  template <typename Ask>
  HRESULT AskList(Control list, Ask ask) const {
    IAccessible* object = nullptr;
    if (!WindowObject(ListWindow(list), __uuidof(IAccessible), &object)) return E_FAIL;
    const HRESULT result = ask(object, LongVariant(CHILDID_SELF));
    object->Release();
    return result;
  }

  HRESULT Nothing(const VARIANT& id, BSTR* out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    Control control;
    const HRESULT failed = Resolve(id, control);
    return failed != S_OK ? failed : DISP_E_MEMBERNOTFOUND;
  }

  LONG references_ = 1;
  HWND window_;
  const FormLabels* labels_;
  HWND fileList_;
  HWND dirList_;
};

FormAccessibility::~FormAccessibility() { Disconnect(); }

void FormAccessibility::JoinApartment() { InSingleThreadedApartment(); }

LRESULT FormAccessibility::Answer(HWND window, WPARAM wParam, LPARAM lParam, HWND fileList,
                                  HWND dirList) {
  // The object id is a 32-bit value, whichever way a 64-bit lParam carries it.
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  auto answer = lresultFromObject.Get();
  if (!answer || !InSingleThreadedApartment()) return 0;
  if (object_ && object_->Window() != window) Disconnect();
  if (!object_) {
    object_ = new (std::nothrow) FormAccessibleObject(window, labels_, fileList, dirList);
  }
  if (!object_) return 0;
  // A failure comes back as a negative HRESULT: the system's answer then stands.
  const LRESULT reference = answer(__uuidof(IAccessible), wParam, object_);
  return reference > 0 ? reference : 0;
}

void FormAccessibility::NameChanged(HWND window, Control label) {
  if (window) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, ChildIdOf(label));
}

void FormAccessibility::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

}  // namespace jukett::win32
