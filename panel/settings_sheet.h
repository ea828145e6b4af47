// The property sheet of the main dialog with the four settings pages.
#pragma once

#include "panel/core/keyboard_recheck.h"
#include "panel/framework/property_sheet.h"
#include "panel/sheet_pages.h"
#include "panel/tab_strip.h"

namespace tavel::panel {

class CKmpPtSht : public ui::CPropertySheet {
 public:
  CKmpPtSht(SheetPages& pages, const TabAvailability& tabs);
  CMyTabCtrl& TabStrip() { return tabStrip_; }
  // The disabled tab may have changed: move off it and redraw.
  void Refresh(int disabledTab);

 protected:
  void OnCreated() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnTabNotify(const NMHDR& header, WPARAM wParam, LPARAM lParam);

  CMyTabCtrl tabStrip_;
};

}  // namespace tavel::panel
