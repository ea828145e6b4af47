#include "panel/maintenance/reset_dialog.h"

#include <optional>

#include "panel/maintenance/reset_sequence.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

struct GroupBox {
  int id;
  ResetGroup group;
};
constexpr GroupBox kBoxes[] = {{IDC_RESET_NOTEBOOK_KB, kResetNotebook},
                               {IDC_RESET_EXTERNAL_KB, kResetExternal},
                               {IDC_RESET_KEY_SENS, kResetKeySensitivity},
                               {IDC_RESET_SPECIAL_CHAR, kResetSpecialCharacters}};
constexpr int kIconSize = 32;
constexpr POINT kIconFromWindowCorner{20, 40};

}  // namespace

CResetKympDlg::CResetKympDlg() : CDialog(IDD_RESET_DIALOG) {}

BOOL CResetKympDlg::OnInitDialog() {
  icon_ = static_cast<HICON>(
      LoadImageW(nullptr, IDI_QUESTION, IMAGE_ICON, kIconSize, kIconSize, LR_SHARED));
  for (const GroupBox& box : kBoxes) CheckDlgButton(Handle(), box.id, BST_CHECKED);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
  return TRUE;
}

bool CResetKympDlg::OnCommand(int id, int notifyCode) {
  if (id == IDOK) {
    chosen_ = 0;
    for (const GroupBox& box : kBoxes) {
      if (IsDlgButtonChecked(Handle(), box.id) == BST_CHECKED) chosen_ |= box.group;
    }
  }
  return CDialog::OnCommand(id, notifyCode);
}

// The icon keeps the place it was given on the first paint.
void CResetKympDlg::PaintQuestionIcon() {
  static std::optional<POINT> place;
  if (!place) {
    RECT window;
    GetWindowRect(Handle(), &window);
    POINT corner{window.left + kIconFromWindowCorner.x, window.top + kIconFromWindowCorner.y};
    ScreenToClient(Handle(), &corner);
    place = corner;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  if (icon_) DrawIconEx(dc, place->x, place->y, icon_, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  EndPaint(Handle(), &paint);
}

INT_PTR CResetKympDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintQuestionIcon();
    return TRUE;
  }
  return CDialog::DialogProc(message, wParam, lParam);
}

}  // namespace tavel::panel
