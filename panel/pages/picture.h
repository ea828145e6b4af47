// A static control that shows one icon from the program's resources, such
// as the Fn-key symbol beside each external-keyboard function.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/framework/window.h"

namespace tavel::panel {

class CPicture : public ui::CWindow {
 public:
  ~CPicture() override;
  void Attach(HWND control) { Subclass(control); }
  // Sizes at 96 dpi. The first call fixes the size; later icons replace the
  // shown one at that size.
  void SetIcon(int iconId, int width, int height);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  HIMAGELIST images_ = nullptr;
};

}  // namespace tavel::panel
