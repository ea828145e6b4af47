// What the text-fit hook library and the probe share: the window to measure
// and the report, in a section every process that maps the library sees.
#pragma once

#include <windows.h>

namespace tavel::test {

struct TextFitReport {
  HWND window;     // set by the probe before it asks
  LONG measured;   // texts measured
  LONG tooLong;    // texts that do not fit their control
  char lines[60000];  // UTF-8, one line per text that does not fit
};

// Sent to the window to measure; the hook answers it before the window does.
inline UINT TextFitMessage() { return RegisterWindowMessageW(L"TavelkitTextFitMeasure"); }

}  // namespace tavel::test
