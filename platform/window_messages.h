// Finding top-level windows and talking to them by message.
#pragma once

#include <cstdint>

namespace tavel {

using WindowHandle = uintptr_t;  // 0 = no window

class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // A top-level window of the caller's desktop; a null class or title
  // matches any.
  virtual WindowHandle FindTopLevel(const char* className, const char* title) = 0;
  virtual void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  // Returns once the receiver has handled the message.
  virtual intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void BringToForeground(WindowHandle window) = 0;
  // Returns once the window no longer exists, or after `limitMs`.
  virtual void WaitUntilGone(WindowHandle window, uint32_t limitMs) = 0;
};

}  // namespace tavel
