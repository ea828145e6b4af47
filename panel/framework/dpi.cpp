#include "panel/framework/dpi.h"

#include <windows.h>

namespace tavel::ui {

int ScalePixels(int pixelsAt96Dpi) {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return MulDiv(pixelsAt96Dpi, dpi, 96);
}

}  // namespace tavel::ui
