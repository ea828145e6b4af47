// Moving the calling thread to a named desktop of the window station.
#pragma once

namespace tavel {

class ThreadDesktop {
 public:
  virtual ~ThreadDesktop() = default;
  // Opens the desktop with full desktop access and assigns it to the calling
  // thread; false when either step fails.
  virtual bool SwitchTo(const char* desktopName) = 0;
};

}  // namespace tavel
