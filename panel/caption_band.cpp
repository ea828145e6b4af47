#include "panel/caption_band.h"

#include <algorithm>

#include "panel/framework/resource_text.h"
#include "panel/framework/system_colours.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr int kImageWidth = 1600;
constexpr POINT kHeadingAt{10, 18};

// The heading font: size in points and face name from the string table, so
// that each language can choose its own; semi-bold.
HFONT CreateHeadingFont(HDC dc) {
  LOGFONTW font{};
  const int points = _wtoi(ui::LoadText(IDS_CAPTION_FONT_SIZE).c_str());
  font.lfHeight = -MulDiv(points * 10, GetDeviceCaps(dc, LOGPIXELSY), 720);
  font.lfWeight = 600;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font.lfFaceName, ui::LoadText(IDS_CAPTION_FONT_FACE).c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace

CTavelCapWnd::CTavelCapWnd() : CDialog(IDD_CAPTION_BAND) {}

CTavelCapWnd::~CTavelCapWnd() {
  if (memoryDc_) {
    SelectObject(memoryDc_, oldCanvas_);
    DeleteDC(memoryDc_);
  }
  if (canvas_) DeleteObject(canvas_);
  if (image_) ImageList_Destroy(image_);
  if (font_) DeleteObject(font_);
}

BOOL CTavelCapWnd::OnInitDialog() {
  HDC windowDc = GetDC(Handle());
  memoryDc_ = CreateCompatibleDC(windowDc);
  FitCanvas(windowDc, kImageWidth);
  font_ = CreateHeadingFont(windowDc);
  ReleaseDC(Handle(), windowDc);

  image_ = ImageList_Create(kImageWidth, kCaptionBandHeight, ILC_COLOR24, 1, 0);
  if (HBITMAP band = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDB_CAPTION_BAND),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    ImageList_Add(image_, band, nullptr);
    DeleteObject(band);
  }
  heading_ = ui::LoadText(IDS_CAPTION_HEADING);
  return TRUE;
}

INT_PTR CTavelCapWnd::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;  // Paint covers everything
    case WM_PAINT:
      Paint();
      return TRUE;
    default:
      return CDialog::DialogProc(message, wParam, lParam);
  }
}

// The canvas is at least as wide as the band.
void CTavelCapWnd::FitCanvas(HDC windowDc, int width) {
  if (canvas_ && canvasWidth_ >= width) return;
  HBITMAP canvas = CreateCompatibleBitmap(windowDc, width, kCaptionBandHeight);
  if (!canvas) return;
  HGDIOBJ previous = SelectObject(memoryDc_, canvas);
  if (canvas_) {
    DeleteObject(canvas_);
  } else {
    oldCanvas_ = previous;
  }
  canvas_ = canvas;
  canvasWidth_ = width;
}

// Composed off screen and copied in one go: the right-hand part of the
// image, as much as the band is wide, with the heading on it. A band wider
// than the image (a wide window on a screen of many dots per inch) has the
// image at its right and the image's left edge drawn out to its left. In
// high contrast the band is a caption of the user's colours.
void CTavelCapWnd::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT client;
  GetClientRect(Handle(), &client);
  const int width = std::max<int>(client.right, kImageWidth);
  FitCanvas(dc, width);
  const int imageX = width - kImageWidth;
  const int sourceX = width - client.right;

  const bool plain = ui::HighContrastOn();
  if (plain) {
    const RECT all{0, 0, width, kCaptionBandHeight};
    FillRect(memoryDc_, &all, GetSysColorBrush(COLOR_ACTIVECAPTION));
  } else {
    ImageList_Draw(image_, 0, memoryDc_, imageX, 0, ILD_NORMAL);
    if (imageX > 0) {
      StretchBlt(memoryDc_, 0, 0, imageX, kCaptionBandHeight, memoryDc_, imageX, 0, 1,
                 kCaptionBandHeight, SRCCOPY);
    }
  }
  HGDIOBJ oldFont = SelectObject(memoryDc_, font_);
  SetBkMode(memoryDc_, TRANSPARENT);
  SetTextColor(memoryDc_, plain ? GetSysColor(COLOR_CAPTIONTEXT) : RGB(255, 255, 255));
  SetTextCharacterExtra(memoryDc_, 1);
  // On a screen of more dots per inch the font grows but the band does not:
  // the heading moves up as far as it must to keep its descenders.
  TEXTMETRICW metrics{};
  GetTextMetricsW(memoryDc_, &metrics);
  const int headingY =
      std::max(0, std::min<int>(kHeadingAt.y, kCaptionBandHeight - metrics.tmHeight - 1));
  TextOutW(memoryDc_, sourceX + kHeadingAt.x, headingY, heading_.c_str(),
           static_cast<int>(heading_.size()));
  SelectObject(memoryDc_, oldFont);

  BitBlt(dc, 0, 0, client.right, client.bottom, memoryDc_, sourceX, 0, SRCCOPY);
  EndPaint(Handle(), &ps);
}

}  // namespace tavel::panel
