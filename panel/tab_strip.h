// The sheet's tab strip with one tab that can be disabled: drawn grey,
// refused on click and skipped by the arrow keys and Ctrl+Tab.
#pragma once

#include "panel/core/keyboard_recheck.h"
#include "panel/core/tab_navigation.h"
#include "panel/framework/property_sheet.h"
#include "panel/framework/window.h"
#include "panel/tab_scroll_arrows.h"

namespace tavel::panel {

class CMyTabCtrl : public ui::CWindow {
 public:
  CMyTabCtrl(ui::CPropertySheet& sheet, const TabAvailability& tabs)
      : sheet_(sheet), tabs_(tabs) {}
  ~CMyTabCtrl() override;

  void Attach(HWND tabStrip);
  // Selects the nearest enabled tab in that direction, if any.
  void Step(TabStep step, bool wrap);

  // Called by the sheet around a selection change of the strip's own.
  bool AllowsSelectionChange() const;
  void SelectionChanging();
  void SelectionChanged();
  void DrawItem(const DRAWITEMSTRUCT& item);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool IsEnabled(int tab) const { return tab != tabs_.disabledTabIndex; }
  int TabUnder(POINT clientPoint) const;
  void TrackHotTab(POINT clientPoint);

  ui::CPropertySheet& sheet_;
  const TabAvailability& tabs_;
  CMySpinButtonCtrl arrows_;
  HFONT font_ = nullptr;
  int hotTab_ = -1;
};

}  // namespace tavel::panel
