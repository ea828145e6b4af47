#include "panel/framework/accessible_control.h"

#include <commctrl.h>
#include <oleacc.h>

#include <optional>

#include "platform/win32/library_loader_win32.h"

namespace tavel::ui {
namespace {

// The accessibility library brings the COM run-time with it: it is loaded
// when a screen reader first asks for an object, not at each start of the
// program. A failed load is tried again at the next request.
struct AccessibilityFunctions {
  decltype(&CreateStdAccessibleObject) createStandard;
  decltype(&LresultFromObject) resultFromObject;
  decltype(&SysAllocStringLen) allocString;
};

template <typename Function>
Function Bind(LibraryLoader& loader, LibraryHandle library, const char* name) {
  return library ? reinterpret_cast<Function>(loader.Resolve(library, name)) : nullptr;
}

const AccessibilityFunctions* Accessibility() {
  static std::optional<AccessibilityFunctions> bound;
  if (bound) return &*bound;
  Win32LibraryLoader loader;
  const LibraryHandle oleacc = loader.LoadSystemLibrary("oleacc.dll");
  const LibraryHandle oleaut = loader.LoadSystemLibrary("oleaut32.dll");
  const AccessibilityFunctions functions{
      Bind<decltype(&CreateStdAccessibleObject)>(loader, oleacc, "CreateStdAccessibleObject"),
      Bind<decltype(&LresultFromObject)>(loader, oleacc, "LresultFromObject"),
      Bind<decltype(&SysAllocStringLen)>(loader, oleaut, "SysAllocStringLen")};
  if (functions.createStandard && functions.resultFromObject && functions.allocString) {
    bound = functions;  // both stay loaded: the objects handed out live in them
    return &*bound;
  }
  if (oleacc) loader.Free(oleacc);
  if (oleaut) loader.Free(oleaut);
  return nullptr;
}

// Asks an exposed control for its facts; lParam points to the answer.
UINT FactsMessage() {
  static const UINT message = RegisterWindowMessageW(L"TavelkitAccessibleFacts");
  return message;
}

// The child a request is about: 0 the control itself, 1 to n an item.
std::optional<long> ChildOf(const VARIANT& child) {
  if (child.vt != VT_I4) return std::nullopt;
  return child.lVal;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
  // Only objects of a bound library ask for text.
  *out = text.empty() ? nullptr
                      : Accessibility()->allocString(text.data(), static_cast<UINT>(text.size()));
  if (text.empty()) return S_FALSE;
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnNumber(long number, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

// The system's object for the control, with what the program says of it in
// front. Asks the control afresh for every answer: the object may outlive
// the window, and then it answers as the system's object does.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(HWND control, IAccessible* standard) : control_(control), standard_(standard) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      standard_->Release();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    const auto facts = Facts();
    if (!facts || facts->items.empty()) return standard_->get_accChildCount(count);
    *count = static_cast<long>(facts->items.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    const auto facts = Facts();
    if (!facts || !Item(*facts, child)) return standard_->get_accChild(child, object);
    *object = nullptr;  // an item is a plain element of the control
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const auto facts = Facts();
    if (facts && IsSelf(child)) return ReturnText(facts->name, name);
    if (const AccessibleItem* item = facts ? Item(*facts, child) : nullptr) {
      return ReturnText(item->name, name);
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    const auto facts = Facts();
    if (facts && IsSelf(child)) return ReturnText(facts->value, value);
    if (facts && Item(*facts, child)) return ReturnText({}, value);
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const auto facts = Facts();
    if (facts && IsSelf(child) && facts->role) return ReturnNumber(facts->role, role);
    if (facts && Item(*facts, child)) return ReturnNumber(facts->itemRole, role);
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const auto facts = Facts();
    if (const AccessibleItem* item = facts ? Item(*facts, child) : nullptr) {
      return ReturnNumber(item->state, state);
    }
    const HRESULT result = standard_->get_accState(child, state);
    if (facts && IsSelf(child) && SUCCEEDED(result) && state->vt == VT_I4) state->lVal |= facts->state;
    return result;
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
    return standard_->get_accHelp(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~ControlAccessible() = default;

  std::optional<AccessibleFacts> Facts() const {
    AccessibleFacts facts;
    const auto answer = reinterpret_cast<LPARAM>(&facts);
    if (!IsWindow(control_) || !SendMessageW(control_, FactsMessage(), 0, answer)) return std::nullopt;
    return facts;
  }
  static bool IsSelf(const VARIANT& child) { return ChildOf(child) == CHILDID_SELF; }
  static const AccessibleItem* Item(const AccessibleFacts& facts, const VARIANT& child) {
    const auto id = ChildOf(child);
    if (!id || *id < 1 || *id > static_cast<long>(facts.items.size())) return nullptr;
    return &facts.items[static_cast<size_t>(*id - 1)];
  }

  LONG references_ = 1;
  const HWND control_;
  IAccessible* const standard_;
};

LRESULT CALLBACK ExposedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR describeWord) {
  auto* describe = reinterpret_cast<DescribeControl*>(describeWord);
  // The object id is a DWORD: on 64-bit Windows lParam may come sign-extended or not.
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
    IAccessible* standard = nullptr;
    const AccessibilityFunctions* library = Accessibility();
    if (library && SUCCEEDED(library->createStandard(control, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&standard)))) {
      auto* object = new ControlAccessible(control, standard);
      const LRESULT reference = library->resultFromObject(IID_IAccessible, wParam, object);
      object->Release();
      return reference;
    }
  }
  if (message == FactsMessage()) {
    *reinterpret_cast<AccessibleFacts*>(lParam) = (*describe)(control);
    return TRUE;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, ExposedControlProc, 0);
    delete describe;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void Expose(HWND control, DescribeControl describe) {
  if (!control) return;
  auto* kept = new DescribeControl(std::move(describe));
  if (!SetWindowSubclass(control, ExposedControlProc, 0, reinterpret_cast<DWORD_PTR>(kept))) delete kept;
}

void AnnounceNameChange(HWND control) {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace tavel::ui
