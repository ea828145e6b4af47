#include "panel/tab_strip.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "panel/framework/accessible_control.h"
#include "panel/framework/resource_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

HFONT CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

std::wstring TabText(HWND strip, int tab) {
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(strip, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
  return text;
}

// Screen readers hear the selected tab as the strip's value, and every tab
// as one of its items, the grey one unavailable.
ui::AccessibleFacts TabStripFacts(HWND strip, int disabledTab) {
  ui::AccessibleFacts facts(ui::LoadText(IDS_SPOKEN_PAGES), ROLE_SYSTEM_PAGETABLIST);
  facts.itemRole = ROLE_SYSTEM_PAGETAB;
  const int selected = TabCtrl_GetCurSel(strip);
  for (int tab = 0; tab < TabCtrl_GetItemCount(strip); ++tab) {
    long state = tab == disabledTab ? STATE_SYSTEM_UNAVAILABLE : STATE_SYSTEM_SELECTABLE;
    if (tab == selected) {
      state |= STATE_SYSTEM_SELECTED;
      facts.value = TabText(strip, tab);
    }
    facts.items.push_back({TabText(strip, tab), state});
  }
  return facts;
}

}  // namespace

CMyTabCtrl::~CMyTabCtrl() {
  if (font_) DeleteObject(font_);
}

void CMyTabCtrl::Attach(HWND tabStrip) {
  Subclass(tabStrip);
  font_ = CreateMessageFont();
  // The strip sizes its tabs with its own font: the one the labels are drawn in.
  SendMessageW(tabStrip, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  // One row with scroll arrows, labels drawn here.
  LONG_PTR style = GetWindowLongPtrW(tabStrip, GWL_STYLE);
  style = (style & ~TCS_MULTILINE) | TCS_OWNERDRAWFIXED;
  SetWindowLongPtrW(tabStrip, GWL_STYLE, style);
  SetWindowPos(tabStrip, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  arrows_.Adopt(tabStrip);
  const TabAvailability& tabs = tabs_;
  ui::Expose(tabStrip, [&tabs](HWND strip) { return TabStripFacts(strip, tabs.disabledTabIndex); });
}

void CMyTabCtrl::Step(TabStep step, bool wrap) {
  int next = NeighbourTab(sheet_.ActiveIndex(), sheet_.PageCount(), tabs_.disabledTabIndex,
                          step, wrap);
  if (next >= 0) sheet_.SelectPage(next);
}

int CMyTabCtrl::TabUnder(POINT clientPoint) const {
  TCHITTESTINFO hit{clientPoint, 0};
  return static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool CMyTabCtrl::AllowsSelectionChange() const {
  POINT pointer;
  GetCursorPos(&pointer);
  ScreenToClient(Handle(), &pointer);
  return IsEnabled(TabUnder(pointer));
}

// Hidden while the sheet swaps pages, so the strip is not drawn half-way.
void CMyTabCtrl::SelectionChanging() {
  SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_VISIBLE);
}

void CMyTabCtrl::SelectionChanged() {
  SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_VISIBLE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void CMyTabCtrl::DrawItem(const DRAWITEMSTRUCT& item) {
  const int tab = static_cast<int>(item.itemID);
  RECT r = item.rcItem;
  if (tab == hotTab_ && IsEnabled(tab)) {
    FrameRect(item.hDC, &r, GetSysColorBrush(COLOR_HOTLIGHT));
  }
  HGDIOBJ oldFont = SelectObject(item.hDC, font_);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(IsEnabled(tab) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  std::wstring text = TabText(Handle(), tab);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, oldFont);
}

void CMyTabCtrl::TrackHotTab(POINT clientPoint) {
  int tab = TabUnder(clientPoint);
  if (!IsEnabled(tab)) tab = -1;
  if (tab == hotTab_) return;
  hotTab_ = tab;
  InvalidateRect(Handle(), nullptr, FALSE);
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
}

LRESULT CMyTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_LEFT || wParam == VK_UP) {
        Step(TabStep::Previous, false);
        return 0;
      }
      if (wParam == VK_RIGHT || wParam == VK_DOWN) {
        Step(TabStep::Next, false);
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      TrackHotTab({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      break;
    case WM_MOUSELEAVE:
      hotTab_ = -1;
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_SIZE: {
      LRESULT result = Default(message, wParam, lParam);
      arrows_.Adopt(Handle());
      return result;
    }
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tavel::panel
