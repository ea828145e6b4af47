// Drop-down key lists whose selection changes only through the open list:
// Up or Down opens a closed list, and Left, Right, Home, End, Page Up, Page
// Down and typed letters do nothing to it, so every change ends in the
// CBN_SELENDOK and CBN_CLOSEUP notifications the pages act on.
#pragma once

#include <windows.h>

#include "panel/framework/window.h"

namespace tavel::panel {

// True when the key (WM_KEYDOWN or WM_CHAR) was used on a closed list and
// must go no further.
bool HandleClosedListKey(HWND combo, UINT message, WPARAM key);

class CCustComboBox : public ui::CWindow {
 public:
  void Attach(HWND combo) { Subclass(combo); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The extended combo box keeps the focus in the combo box inside it, so
// that is where the keys and clicks arrive.
class CCustComboBoxEx : public ui::CWindow {
 public:
  void Attach(HWND comboEx);
  HWND Outer() const { return outer_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND outer_ = nullptr;
};

}  // namespace tavel::panel
