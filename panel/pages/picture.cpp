#include "panel/pages/picture.h"

#include "panel/framework/dpi.h"

namespace tavel::panel {

CPicture::~CPicture() {
  if (images_) ImageList_Destroy(images_);
}

void CPicture::SetIcon(int iconId, int width, int height) {
  if (!images_) {
    images_ = ImageList_Create(ui::ScalePixels(width), ui::ScalePixels(height),
                               ILC_COLOR16 | ILC_MASK, 0, 1);
    if (!images_) return;
  }
  for (int i = ImageList_GetImageCount(images_) - 1; i >= 0; --i) ImageList_Remove(images_, i);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images_, &cx, &cy);
  auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                            IMAGE_ICON, cx, cy, LR_SHARED));
  if (icon) ImageList_ReplaceIcon(images_, -1, icon);
  if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// The icon's left edge sits half a small icon left of the centre, whatever
// its width, so the symbols of all rows start in one column.
void CPicture::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  if (images_ && ImageList_GetImageCount(images_) > 0) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const int offset = ui::ScalePixels(16);
    ImageList_Draw(images_, 0, dc, (client.right - offset) / 2, (client.bottom - offset) / 2,
                   ILD_TRANSPARENT);
  }
  EndPaint(Handle(), &paint);
}

LRESULT CPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tavel::panel
