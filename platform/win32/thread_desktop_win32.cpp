#include "platform/win32/thread_desktop_win32.h"

#include <windows.h>

namespace tavel {

bool Win32ThreadDesktop::SwitchTo(const char* desktopName) {
  constexpr ACCESS_MASK kAllDesktopAccess = 0x1FF;
  HDESK desktop = OpenDesktopA(desktopName, 0, FALSE, kAllDesktopAccess);
  return desktop != nullptr && SetThreadDesktop(desktop);
}

}  // namespace tavel
