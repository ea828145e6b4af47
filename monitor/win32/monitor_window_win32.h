// The hidden monitor window: its class, its creation and the message loop.
#pragma once

#include <windows.h>

#include "monitor/monitor_window.h"
#include "platform/win32/window_timer_win32.h"

namespace tavel {

// Registers the class, creates the never-shown window (WM_CREATE runs inside)
// and pumps messages until WM_QUIT. Returns at once when the window cannot
// be created.
void RunMonitorWindow(HINSTANCE instance, MonitorWindow& window, Win32WindowTimers& timers);

}  // namespace tavel
