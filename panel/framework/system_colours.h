// Following the colours the user chose: a high-contrast scheme, and a
// change of the system colours while the program runs.
#pragma once

#include <windows.h>

namespace tavel::ui {

// The user wants high contrast: artwork gives way to the scheme's colours.
bool HighContrastOn();
// The system colours changed: the common controls inside the window take
// the new ones (they keep copies of their own) and everything is redrawn.
void FollowColourChange(HWND topLevel);

}  // namespace tavel::ui
