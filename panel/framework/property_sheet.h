// A property sheet hosted as a child control of a dialog instead of a window
// of its own: no caption, no OK/Cancel/Apply buttons, a tab stop among the
// dialog's controls.
#pragma once

#include <vector>

#include "panel/framework/property_page.h"
#include "panel/framework/window.h"

namespace tavel::ui {

class CPropertySheet : public CWindow {
 public:
  void AddPage(CPropertyPage& page) { pages_.push_back(&page); }
  bool CreateChild(HWND parent);

  HWND TabControl() const;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int ActiveIndex() const;
  CPropertyPage& Page(int index) const { return *pages_[index]; }
  void SelectPage(int index);

 protected:
  // The sheet window exists and is ours; its pages may not exist yet.
  virtual void OnCreated() {}

 private:
  static int CALLBACK BeforeCreate(HWND hwnd, UINT message, LPARAM lParam);
  void DropOwnButtons();

  std::vector<CPropertyPage*> pages_;
};

}  // namespace tavel::ui
