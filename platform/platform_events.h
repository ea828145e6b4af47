// Notifications of the system that tell the monitor its keyboard hook may
// have been lost, or a key release swallowed: the session was locked or
// unlocked (WM_WTSSESSION_CHANGE), and raw keyboard input, which arrives
// whether or not the hook is still in the chain (WM_INPUT).
#pragma once

#include <cstdint>

#include "platform/window_messages.h"

namespace tavel {

class PlatformEvents {
 public:
  virtual ~PlatformEvents() = default;
  // Session changes of this session go to `window`; false where the system
  // has no such notification.
  virtual bool WatchSession(WindowHandle window) = 0;
  // Every keyboard event goes to `window` as raw input, also while another
  // program has the focus; false where the system has no raw input.
  virtual bool WatchRawKeyboard(WindowHandle window) = 0;
  // Whether the raw input handed with WM_INPUT (its lParam) is a key event of
  // a keyboard device.
  virtual bool IsKeyboardEvent(intptr_t rawInput) = 0;
};

}  // namespace tavel
