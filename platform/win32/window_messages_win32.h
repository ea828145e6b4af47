#pragma once

#include "platform/window_messages.h"

namespace tavel {

class Win32WindowMessages : public WindowMessages {
 public:
  WindowHandle FindTopLevel(const char* className, const char* title) override;
  void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void BringToForeground(WindowHandle window) override;
  void WaitUntilGone(WindowHandle window, uint32_t limitMs) override;
};

}  // namespace tavel
