#pragma once

#include <windows.h>

#include "platform/window_timer.h"

namespace tavel {

// The timers of one window; the window is known only once it is being
// created, so it is attached then.
class Win32WindowTimers : public WindowTimers {
 public:
  void Attach(HWND window) { window_ = window; }
  void Arm(uint32_t id, uint32_t milliseconds) override { SetTimer(window_, id, milliseconds, nullptr); }
  void Kill(uint32_t id) override { KillTimer(window_, id); }

 private:
  HWND window_ = nullptr;
};

}  // namespace tavel
