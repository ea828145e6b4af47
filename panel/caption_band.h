// The band across the top of the main window: the band bitmap, right-aligned
// to the window's width (its left edge drawn out when the window is wider),
// with the heading in white on it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "panel/framework/dialog.h"

namespace tavel::panel {

inline constexpr int kCaptionBandHeight = 39;

class CTavelCapWnd : public ui::CDialog {
 public:
  CTavelCapWnd();
  ~CTavelCapWnd() override;

 protected:
  BOOL OnInitDialog() override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitCanvas(HDC windowDc, int width);
  void Paint();

  HDC memoryDc_ = nullptr;
  HBITMAP canvas_ = nullptr;
  int canvasWidth_ = 0;
  HGDIOBJ oldCanvas_ = nullptr;
  HIMAGELIST image_ = nullptr;
  HFONT font_ = nullptr;
  std::wstring heading_;
};

}  // namespace tavel::panel
