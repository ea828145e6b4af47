// What the hook library tells the monitor beyond WM_ASSIGNED_KEY.
#pragma once

#include <cstdint>

namespace tavel {

// Posted to every monitor window recorded in the shared state when a
// program sets KeySensAsgnsStatus to 2 (a key test puts the hook aside).
// wParam: that program's process id; lParam: the status before. Should the
// program end before it puts the status back, a monitor does it instead.
inline constexpr uint32_t WM_KEY_TEST_STARTED = 0x8005;

// The hook procedure counts the key events it is called for. Installing the
// hook publishes the counter's address as this property of the monitor
// window; the monitor, in whose process the hook runs, compares it with the
// raw keyboard input it receives to notice a hook the system removed.
inline constexpr char kHookCallsProperty[] = "Tavelhook.HookCalls";

}  // namespace tavel
