#include "panel/settings_sheet.h"

#include "panel/core/tab_navigation.h"

namespace tavel::panel {

CKmpPtSht::CKmpPtSht(SheetPages& pages, const TabAvailability& tabs) : tabStrip_(*this, tabs) {
  AddPage(pages.notebook);
  AddPage(pages.external);
  AddPage(pages.keySens);
  AddPage(pages.symbols);
}

void CKmpPtSht::OnCreated() { tabStrip_.Attach(TabControl()); }

void CKmpPtSht::Refresh(int disabledTab) {
  const int selected = ActiveIndex();
  const int wanted = SelectionAfterDisabling(selected, disabledTab);
  if (wanted != selected) SelectPage(wanted);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CKmpPtSht::OnTabNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam) {
  switch (header.code) {
    case TCN_SELCHANGING: {
      if (!tabStrip_.AllowsSelectionChange()) return TRUE;
      // The sheet may still keep the page (a page refusing to be left).
      LRESULT refused = Default(WM_NOTIFY, wParam, lParam);
      if (!refused) tabStrip_.SelectionChanging();
      return refused;
    }
    case TCN_SELCHANGE: {
      LRESULT result = Default(WM_NOTIFY, wParam, lParam);
      tabStrip_.SelectionChanged();
      return result;
    }
    default:
      return Default(WM_NOTIFY, wParam, lParam);
  }
}

LRESULT CKmpPtSht::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.hwndFrom == TabControl()) return OnTabNotify(header, wParam, lParam);
  }
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.hwndItem == TabControl()) {
      tabStrip_.DrawItem(item);
      return TRUE;
    }
  }
  return Default(message, wParam, lParam);
}

}  // namespace tavel::panel
