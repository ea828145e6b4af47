// Pixel sizes given for 96 dpi, at the screen's resolution. The program is
// system-DPI aware, so one factor holds for all its windows.
#pragma once

namespace tavel::ui {

int ScalePixels(int pixelsAt96Dpi);

}  // namespace tavel::ui
