// Measures every control's text inside the configuration program, with the
// font the control really draws with (fonts are objects of the process
// that made them).
#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <cstdio>
#include <string>

#include "tests/e2e/panel/inside_library.h"

namespace tavel::test {
namespace {

int Scaled(HWND control, int pixelsAt96Dpi) {
  HDC screen = GetDC(control);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(control, screen);
  return MulDiv(pixelsAt96Dpi, dpi, 96);
}

// A device context of the control with the control's own font selected.
class ControlDc {
 public:
  explicit ControlDc(HWND control) : control_(control), dc_(GetDC(control)) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    old_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  }
  ~ControlDc() {
    SelectObject(dc_, old_);
    ReleaseDC(control_, dc_);
  }
  // The size the text needs: on one line, or broken into lines no wider than
  // `width` (a word wider than that comes back wider).
  SIZE Needs(const std::wstring& text, UINT flags, int width = 0) const {
    RECT r{0, 0, width, 0};
    DrawTextW(dc_, text.c_str(), -1, &r, DT_CALCRECT | DT_EXPANDTABS | flags);
    return {r.right, r.bottom};
  }
  int AverageCharWidth() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmAveCharWidth;
  }

 private:
  HWND control_;
  HDC dc_;
  HGDIOBJ old_;
};

void Check(HWND control, const std::wstring& text, SIZE needs, SIZE has) {
  ++Report().counted;
  if (needs.cx <= has.cx && needs.cy <= has.cy) return;
  ++Report().failed;
  char sizes[96];
  std::snprintf(sizes, sizeof sizes, "\" needs %ldx%ld, has %ldx%ld", needs.cx, needs.cy, has.cx, has.cy);
  AppendLine(Utf8(Place(control) + L" " + ClassOf(control) + L" \"" + text) + sizes);
}

RECT Client(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  return r;
}

void MeasureStatic(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const LONG type = style & SS_TYPEMASK;
  if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return;
  const std::wstring text = TextOf(control);
  if (text.empty()) return;
  const RECT client = Client(control);
  const UINT flags = (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK) |
                     (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
  Check(control, text, ControlDc(control).Needs(text, flags, client.right), {client.right, client.bottom});
}

void MeasureButton(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring text = TextOf(control);
  if (text.empty()) return;
  const RECT client = Client(control);
  ControlDc dc(control);
  const UINT lines = style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
      // Inside the raised edge and the focus rectangle.
      const int inset = 2 * GetSystemMetrics(SM_CXEDGE);
      const SIZE has{client.right - 2 * inset, client.bottom};
      Check(control, text, dc.Needs(text, lines, has.cx), has);
      return;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
      // Right of the box and the gap the system leaves after it.
      const int box = Scaled(control, 13) + dc.AverageCharWidth() / 2;
      const SIZE has{client.right - box, client.bottom};
      Check(control, text, dc.Needs(text, lines, has.cx), has);
      return;
    }
    case BS_GROUPBOX: {
      const SIZE has{client.right - 2 * dc.AverageCharWidth(), client.bottom};
      Check(control, text, dc.Needs(text, DT_SINGLELINE), has);
      return;
    }
    default:
      return;
  }
}

// The width a list item can use in the closed list: its selection field,
// less a little room at each side.
int FieldWidth(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(combo, &info)) return 0;
  return info.rcItem.right - info.rcItem.left - Scaled(combo, 4);
}

// The program's own drawing of a list shows an item with a picture (item
// data: the picture's index) as that picture; its text is for screen readers.
bool DrawnAsPicture(HWND combo, LONG style, int item) {
  return (style & CBS_OWNERDRAWFIXED) && SendMessageW(combo, CB_GETITEMDATA, item, 0) >= 0;
}

void MeasureComboBox(HWND combo) {
  if (ClassOf(GetParent(combo)) == L"ComboBoxEx32") return;  // measured with its owner
  const LONG style = GetWindowLongW(combo, GWL_STYLE);
  if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS)) return;
  ControlDc dc(combo);
  const int width = FieldWidth(combo);
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (DrawnAsPicture(combo, style, i)) continue;
    wchar_t item[512] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 511) continue;
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    if (!item[0]) continue;
    Check(combo, item, dc.Needs(item, DT_SINGLELINE | DT_NOPREFIX), {width, LONG_MAX});
  }
}

void MeasureExtendedComboBox(HWND comboEx) {
  auto inner = reinterpret_cast<HWND>(SendMessageW(comboEx, CBEM_GETCOMBOCONTROL, 0, 0));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(comboEx, CBEM_GETIMAGELIST, 0, 0));
  int imageWidth = 0, imageHeight = 0;
  if (images) ImageList_GetIconSize(images, &imageWidth, &imageHeight);
  ControlDc dc(comboEx);
  const int width = FieldWidth(inner);
  const int count = static_cast<int>(SendMessageW(comboEx, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = i;
    item.pszText = text;
    item.cchTextMax = 512;
    if (!SendMessageW(comboEx, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) || !text[0]) continue;
    const int image = item.iImage >= 0 && images ? imageWidth + Scaled(comboEx, 4) : 0;
    Check(comboEx, text, dc.Needs(text, DT_SINGLELINE | DT_NOPREFIX), {width - image, LONG_MAX});
  }
}

void Flag(HWND control, const char* what) {
  ++Report().failed;
  AppendLine(Utf8(Place(control)) + " " + what);
}

// Every tab in one row, none behind the scroll arrows; and the sheet's tab
// strip inside the dialog that holds the sheet, clear of its buttons.
void MeasureTabs(HWND tabs) {
  const int count = TabCtrl_GetItemCount(tabs);
  RECT last{};
  if (count == 0 || !TabCtrl_GetItemRect(tabs, count - 1, &last)) return;
  ++Report().counted;
  char sizes[64];
  std::snprintf(sizes, sizeof sizes, "tabs need %ld, have %ld", last.right, Client(tabs).right);
  if (last.right > Client(tabs).right) Flag(tabs, sizes);

  HWND dialog = GetParent(GetParent(tabs));
  RECT strip{}, outer{}, overlap{};
  GetWindowRect(tabs, &strip);
  GetWindowRect(dialog, &outer);
  if (!IntersectRect(&overlap, &strip, &outer) || !EqualRect(&overlap, &strip)) {
    Flag(tabs, "tab strip reaches out of its dialog");
  }
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT button{};
    GetWindowRect(child, &button);
    if (ClassOf(child) == L"Button" && IsWindowVisible(child) && IntersectRect(&overlap, &strip, &button)) {
      Flag(tabs, "tab strip covers a button of its dialog");
    }
  }
}

BOOL CALLBACK MeasureControl(HWND control, LPARAM) {
  const std::wstring name = ClassOf(control);
  if (name == L"Static") MeasureStatic(control);
  if (name == L"Button") MeasureButton(control);
  if (name == L"ComboBox") MeasureComboBox(control);
  if (name == L"ComboBoxEx32") MeasureExtendedComboBox(control);
  if (name == L"SysTabControl32") MeasureTabs(control);
  return TRUE;
}

}  // namespace

void MeasureTextFit(HWND window) {
  // Hidden controls too: hints, rows a notebook lacks, pages not showing.
  EnumChildWindows(window, MeasureControl, 0);
}

}  // namespace tavel::test
