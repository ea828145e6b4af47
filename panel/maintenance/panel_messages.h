// The main dialog's own messages.
#pragma once

#include <windows.h>

namespace tavel::panel {

// wParam: ResetGroup bits; the groups are reset at once.
inline constexpr UINT WM_RESET_SETTINGS = WM_APP + 3;
// Writes the summary report and opens it.
inline constexpr UINT WM_SHOW_SUMMARY = WM_APP + 4;

}  // namespace tavel::panel
