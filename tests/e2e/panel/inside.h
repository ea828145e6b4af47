// What the library the probe loads into the configuration program shares
// with the probe: the window and the request, and the report, in a section
// every process that maps the library sees.
#pragma once

#include <windows.h>

namespace tavel::test {

enum InsideRequest : LONG {
  kMeasureTextFit = 1,      // every control's text with the control's own font
  kDescribeControls = 2,    // what a screen reader hears of every control
  kSwitchToHighContrast = 3,  // the scheme's colours, and high contrast reported on
};

inline constexpr int kSystemColours = 31;  // COLOR_SCROLLBAR to COLOR_MENUBAR

struct InsideReport {
  HWND window;        // set by the probe before it asks
  LONG request;       // likewise
  COLORREF scheme[kSystemColours];  // likewise, for kSwitchToHighContrast
  LONG counted;       // texts measured, controls described
  LONG failed;        // texts that do not fit, input controls without a name of the program's
  char lines[60000];  // UTF-8, one finding a line
};

// Sent to the window; the library's hook answers it before the window does.
inline UINT InsideMessage() { return RegisterWindowMessageW(L"TavelkitInsideRequest"); }

}  // namespace tavel::test
