#include "panel/pages/icon_combo_box.h"

#include <iterator>

#include "panel/pages/custom_combo_boxes.h"

namespace tavel::panel {
namespace {

int ItemHeight() { return GetSystemMetrics(SM_CXSMICON) + 4; }

void FillRectWithSysColor(HDC dc, const RECT& rect, int colour) {
  FillRect(dc, &rect, GetSysColorBrush(colour));
}

}  // namespace

void CIconComboBox::Attach(HWND combo) {
  Subclass(combo);
  // The selection field otherwise keeps the height of the dialog font.
  SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
}

void CIconComboBox::Add(const wchar_t* text, LPARAM itemData) {
  const LRESULT position = SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  if (position >= 0) SendMessageW(Handle(), CB_SETITEMDATA, position, itemData);

  HDC dc = GetDC(Handle());
  if (!dc) return;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
  ReleaseDC(Handle(), dc);
  const int width = 15 * metrics.tmAveCharWidth + extent.cx;
  if (width > widestExtent_) {
    SendMessageW(Handle(), CB_SETHORIZONTALEXTENT, width, 0);
    widestExtent_ = width;
  }
}

void CIconComboBox::MeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = ItemHeight(); }

void CIconComboBox::DrawItem(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
  const int position = static_cast<int>(item.itemID);
  if (position < 0) {
    if (item.itemAction & ODA_FOCUS) DrawFocusRect(dc, &rect);
    return;
  }
  const bool selected = item.itemState & ODS_SELECTED;
  if (selected && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
    FillRectWithSysColor(dc, rect, COLOR_HIGHLIGHT);
  } else if (!selected && (item.itemAction & ODA_SELECT)) {
    FillRectWithSysColor(dc, rect, COLOR_WINDOW);
  }
  if (item.itemAction & ODA_FOCUS) DrawFocusRect(dc, &rect);

  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int textColour = selected                          ? COLOR_HIGHLIGHTTEXT
                         : (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                                           : COLOR_WINDOWTEXT;
  const COLORREF oldColour = SetTextColor(dc, GetSysColor(textColour));

  const int iconX = rect.left + (rect.right - rect.left) / 2 - GetSystemMetrics(SM_CXSMICON);
  if (images_ && static_cast<LPARAM>(item.itemData) != kTextItem && position != 0) {
    ImageList_Draw(images_, static_cast<int>(item.itemData), dc, iconX, rect.top + 2,
                   ILD_TRANSPARENT);
  }
  if (position == 0) {
    wchar_t text[128] = {};
    const LRESULT length = SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, position, 0);
    if (length >= 0 && length < static_cast<LRESULT>(std::size(text))) {
      SendMessageW(item.hwndItem, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text));
    }
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    RECT textRect = rect;
    textRect.left = rect.left + (rect.right - rect.left) / 2 - extent.cx / 2;
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (GetWindowLongW(item.hwndItem, GWL_STYLE) & 0x80) format |= DT_EXPANDTABS;
    DrawTextW(dc, text, -1, &textRect, format);
  }
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

LRESULT CIconComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleClosedListKey(Handle(), message, wParam)) return 0;
  return Default(message, wParam, lParam);
}

}  // namespace tavel::panel
