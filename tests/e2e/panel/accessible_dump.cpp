// What a screen reader hears of every control of a window, read from the
// objects the program hands out, as a client in the program's process does:
// a line for each control the program describes itself, and for each input
// control that has nothing but the system's generic object, a failure.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "tests/e2e/panel/inside_library.h"

namespace tavel::test {
namespace {

std::wstring RoleWord(long role) {
  static const std::map<long, std::wstring> words = {
      {ROLE_SYSTEM_COMBOBOX, L"combo box"},  {ROLE_SYSTEM_LIST, L"list"},
      {ROLE_SYSTEM_SLIDER, L"slider"},       {ROLE_SYSTEM_CHECKBUTTON, L"check box"},
      {ROLE_SYSTEM_PUSHBUTTON, L"button"},   {ROLE_SYSTEM_PAGETABLIST, L"tab list"},
      {ROLE_SYSTEM_STATICTEXT, L"text"},     {ROLE_SYSTEM_CLIENT, L"client"}};
  const auto word = words.find(role);
  return word != words.end() ? word->second : L"role " + std::to_wstring(role);
}

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* object, long id) {
  BSTR text = nullptr;
  std::wstring result;
  if ((object->*get)(Child(id), &text) == S_OK && text) result = text;
  SysFreeString(text);
  return result;
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object, long id) {
  VARIANT number;
  VariantInit(&number);
  return SUCCEEDED((object->*get)(Child(id), &number)) && number.vt == VT_I4 ? number.lVal : 0;
}

std::wstring StateWords(long state) {
  std::wstring words;
  if (state & STATE_SYSTEM_CHECKED) words += L" [checked]";
  if (state & STATE_SYSTEM_UNAVAILABLE) words += L" [unavailable]";
  if (state & STATE_SYSTEM_SELECTED) words += L" [selected]";
  return words;
}

bool IsInputControl(HWND control) {
  const std::wstring name = ClassOf(control);
  if (name == L"Button") {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
  }
  return name == L"ComboBox" || name == L"ComboBoxEx32" || name == L"msctls_trackbar32" ||
         name == L"SysTabControl32";
}

class Describer {
 public:
  // "<place> <role>: <name> = <value> [states]", then for a list or tab
  // strip its items, unless an earlier list had the same ones.
  void Describe(HWND window, const std::wstring& place, bool input) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
      return Fail(place + L": no object");
    }
    const long role = Number(&IAccessible::get_accRole, object, CHILDID_SELF);
    if (role == ROLE_SYSTEM_CLIENT) {
      object->Release();
      if (input) Fail(place + L": only the system's generic object");
      return;
    }
    ++Report().counted;
    AppendLine(Utf8(place + L" " + RoleWord(role) + L": " + Text(&IAccessible::get_accName, object, CHILDID_SELF) +
                    L" = " + Text(&IAccessible::get_accValue, object, CHILDID_SELF) +
                    StateWords(Number(&IAccessible::get_accState, object, CHILDID_SELF))));
    if (role == ROLE_SYSTEM_LIST || role == ROLE_SYSTEM_PAGETABLIST) DescribeItems(object, place);
    object->Release();
  }

 private:
  void DescribeItems(IAccessible* object, const std::wstring& place) {
    long count = 0;
    object->get_accChildCount(&count);
    std::wstring items;
    for (long id = 1; id <= count; ++id) {
      items += (id > 1 ? L" | " : L"") + Text(&IAccessible::get_accName, object, id) +
               StateWords(Number(&IAccessible::get_accState, object, id) & STATE_SYSTEM_UNAVAILABLE);
    }
    const auto earlier = seen_.find(items);
    if (earlier != seen_.end()) {
      AppendLine(Utf8(L"  the items of " + earlier->second));
    } else {
      seen_[items] = place;
      AppendLine(Utf8(L"  items: " + items));
    }
  }
  void Fail(const std::wstring& line) {
    ++Report().failed;
    AppendLine(Utf8(L"FAIL " + line));
  }

  std::map<std::wstring, std::wstring> seen_;
};

BOOL CALLBACK DescribeControl(HWND control, LPARAM describerWord) {
  Describer& describer = *reinterpret_cast<Describer*>(describerWord);
  const std::wstring name = ClassOf(control);
  // The sheet's own buttons are hidden for good: the main dialog's stand in.
  if (name == L"Button" && IsPropertySheet(GetParent(control))) return TRUE;
  const bool inside = ClassOf(GetParent(control)) == L"ComboBoxEx32";
  const std::wstring place = Place(control) + (inside ? L"/combo" : L"");
  describer.Describe(control, place, IsInputControl(control));
  if (name == L"ComboBox") {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(control, &info)) describer.Describe(info.hwndList, place + L"/list", true);
  }
  return TRUE;
}

}  // namespace

void DescribeControls(HWND window) {
  Describer describer;
  // Hidden controls too: rows a notebook lacks, pages not showing.
  EnumChildWindows(window, DescribeControl, reinterpret_cast<LPARAM>(&describer));
}

}  // namespace tavel::test
