#include "panel/framework/accessible_controls.h"

#include <commctrl.h>
#include <oleacc.h>


#include "panel/core/spoken_names.h"
#include "panel/framework/accessible_control.h"

namespace tavel::ui {
namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// Item `index` of a plain or extended list; an extended list keeps its
// texts itself, not in the combo box inside it.
std::wstring ItemText(HWND list, int index) {
  wchar_t text[256] = {};
  if (ClassOf(list) == WC_COMBOBOXEXW) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  } else if (SendMessageW(list, CB_GETLBTEXTLEN, index, 0) < 256) {
    SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  }
  return text;
}

int Selection(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

// `list` holds the items: the extended list itself, not its combo box.
AccessibleFacts ComboBoxFacts(HWND list, const std::wstring& name) {
  const int selected = Selection(list);
  return {name, ROLE_SYSTEM_COMBOBOX, selected >= 0 ? ItemText(list, selected) : L""};
}

AccessibleFacts DropDownFacts(HWND list, const std::wstring& name) {
  AccessibleFacts facts(name, ROLE_SYSTEM_LIST);
  facts.itemRole = ROLE_SYSTEM_LISTITEM;
  const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  const int selected = Selection(list);
  for (int i = 0; i < count; ++i) {
    long state = STATE_SYSTEM_SELECTABLE;
    if (i == selected) state |= STATE_SYSTEM_SELECTED;
    facts.items.push_back({ItemText(list, i), state});
  }
  return facts;
}

AccessibleFacts ButtonFacts(HWND button) {
  AccessibleFacts facts(panel::WithoutMnemonic(WindowText(button)), ROLE_SYSTEM_PUSHBUTTON);
  switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      facts.role = ROLE_SYSTEM_CHECKBUTTON;
      if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) facts.state = STATE_SYSTEM_CHECKED;
      break;
    case BS_DEFPUSHBUTTON:
      facts.state = STATE_SYSTEM_DEFAULT;
      break;
    default:
      break;
  }
  return facts;
}

bool IsButtonOrCheckBox(HWND window) {
  if (ClassOf(window) != WC_BUTTONW) return false;
  switch (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return true;
    default:
      return false;
  }
}

// Exposes the list's combo box (for an extended list, also the one inside
// it, which has the focus) and the list it drops down.
void ExposeComboBox(HWND combo, HWND itemsOwner, const std::wstring& name) {
  Expose(combo, [itemsOwner, name](HWND) { return ComboBoxFacts(itemsOwner, name); });
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info)) {
    Expose(info.hwndList, [itemsOwner, name](HWND) { return DropDownFacts(itemsOwner, name); });
  }
}

}  // namespace

void ExposeButtons(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsButtonOrCheckBox(child)) Expose(child, ButtonFacts);
  }
}

void ExposeList(HWND list, std::wstring name) {
  if (ClassOf(list) == WC_COMBOBOXEXW) {
    Expose(list, [name](HWND outer) { return ComboBoxFacts(outer, name); });
    ExposeComboBox(reinterpret_cast<HWND>(SendMessageW(list, CBEM_GETCOMBOCONTROL, 0, 0)), list, name);
  } else {
    ExposeComboBox(list, list, name);
  }
}

void ExposeSlider(HWND slider, std::wstring name, std::function<std::wstring(int position)> valueOf) {
  Expose(slider, [name, valueOf](HWND control) {
    return AccessibleFacts(name, ROLE_SYSTEM_SLIDER,
                           valueOf(static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0))));
  });
}

void ExposeText(HWND text) {
  Expose(text, [](HWND control) {
    return AccessibleFacts(WindowText(control), ROLE_SYSTEM_STATICTEXT);
  });
}

}  // namespace tavel::ui
