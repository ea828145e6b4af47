// The tab strip's scroll arrows, which the strip creates when its tabs do
// not fit: moved into the strip's band and painted in the 3D colours.
#pragma once

#include "panel/framework/window.h"

namespace tavel::panel {

class CMySpinButtonCtrl : public ui::CWindow {
 public:
  // Takes over the arrows of `tabStrip` if it has any; once.
  void Adopt(HWND tabStrip);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
};

}  // namespace tavel::panel
