#pragma once

#include "platform/library_loader.h"
#include "platform/platform_events.h"

namespace tavel {

// Session notifications and raw input are bound at run time: systems of the
// Windows 2000 family lack them, and the monitor must start there too.
class Win32PlatformEvents : public PlatformEvents {
 public:
  explicit Win32PlatformEvents(LibraryLoader& loader) : loader_(loader) {}
  bool WatchSession(WindowHandle window) override;
  bool WatchRawKeyboard(WindowHandle window) override;
  bool IsKeyboardEvent(intptr_t rawInput) override;

 private:
  LibraryLoader& loader_;
};

}  // namespace tavel
