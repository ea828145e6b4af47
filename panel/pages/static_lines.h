// Separator lines drawn by static controls: a grey horizontal one (Options
// dialog) and a thin vertical one (Key Sensitivity page).
#pragma once

#include <windows.h>

#include "panel/framework/window.h"

namespace tavel::panel {

class CStaticGreyLine : public ui::CWindow {
 public:
  void Attach(HWND control) { Subclass(control); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CStaticVertLine : public ui::CWindow {
 public:
  void Attach(HWND control) { Subclass(control); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tavel::panel
