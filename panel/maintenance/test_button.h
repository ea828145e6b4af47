// The key test's push button. Losing the keyboard focus ends the test, so
// whatever the user turns to (a slider, another tab, Apply, Close, Options)
// stops it before its own action runs. Enter on the button is a click, once
// per key press: the dialog would otherwise take Enter for its default
// button, Close.
#pragma once

#include <windows.h>

#include <functional>

#include "panel/framework/window.h"

namespace tavel::panel {

class CTestBtn : public ui::CWindow {
 public:
  explicit CTestBtn(std::function<void()> focusLost) : focusLost_(std::move(focusLost)) {}
  void Attach(HWND button) { Subclass(button); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::function<void()> focusLost_;
};

}  // namespace tavel::panel
