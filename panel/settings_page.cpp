#include "panel/settings_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

// Every page's hint, whichever page it belongs to, stays when the rest hides.
bool IsDisabledHint(int id) { return id >= IDC_TKB_DISABLED_HINT && id <= IDC_SMB_DISABLED_HINT; }

HWND MainDialogOf(HWND page) { return GetParent(GetParent(page)); }

}  // namespace

CSettingsPage::~CSettingsPage() {
  for (HFONT font : ownedFonts_) {
    if (font) DeleteObject(font);
  }
}

bool CSettingsPage::EnableChecked() const {
  if (!Handle() || !enableCheckId_) return ShownChecked(SavedCheck(), SavedCheckRule());
  return IsDlgButtonChecked(Handle(), enableCheckId_) == BST_CHECKED;
}

uint32_t CSettingsPage::EnableCheck() const {
  return StatusOfCheck(EnableChecked(), SavedCheck(), SavedCheckRule());
}

BOOL CSettingsPage::OnInitDialog() {
  if (enableCheckId_) {
    const bool checked = ShownChecked(SavedCheck(), SavedCheckRule());
    CheckDlgButton(Handle(), enableCheckId_, checked ? BST_CHECKED : BST_UNCHECKED);
  }
  return TRUE;
}

void CSettingsPage::OnSetActive() {
  const int show = env_.productDisabled ? SW_HIDE : SW_SHOW;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsDisabledHint(GetDlgCtrlID(child))) ShowWindow(child, show);
  }
  PlaceHint();
}

// The hint sits in the middle of the page, where the settings were.
void CSettingsPage::PlaceHint() {
  HWND hint = Item(hintId_);
  // The hint stands in for the settings: it shows exactly when they are
  // hidden, whatever else a damaged TVKStatus holds.
  if (!env_.productDisabled) {
    ShowWindow(hint, SW_HIDE);
    return;
  }
  RECT page, rect;
  GetClientRect(Handle(), &page);
  GetWindowRect(hint, &rect);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
  SetWindowPos(hint, nullptr, rect.left, page.top + (page.bottom - page.top) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hint, SW_SHOW);
}

bool CSettingsPage::OnCommand(int id, int notifyCode) {
  if (id != enableCheckId_ || !enableCheckId_ || notifyCode != BN_CLICKED) return false;
  env_.settingChanged();
  return true;
}

INT_PTR CSettingsPage::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      // Painted on the page's own colour rather than see-through: a
      // see-through text redrawn without its background erased (after the
      // row is enabled, for instance) thickens with every redraw.
      // And in the scheme's text colour: the device context's own is black,
      // which a dark high-contrast scheme would swallow.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    case WM_HELP:
      env_.openHelp();
      return TRUE;
    default:
      return CPropertyPage::DialogProc(message, wParam, lParam);
  }
}

HFONT CSettingsPage::DialogFontVariant(LONG weight, int points) {
  LOGFONTW font{};
  auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  if (!dialogFont || !GetObjectW(dialogFont, sizeof font, &font)) return nullptr;
  font.lfWeight = weight;
  if (points > 0) {
    HDC dc = GetDC(Handle());
    font.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(Handle(), dc);
  }
  HFONT created = CreateFontIndirectW(&font);
  if (created) ownedFonts_.push_back(created);
  return created;
}

void CSettingsPage::SetFont(int id, HFONT font) const {
  if (font) SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool CSettingsPage::FocusIn(HWND focus, int id) const {
  HWND control = Item(id);
  return focus && control && (focus == control || IsChild(control, focus));
}

void CSettingsPage::FocusOptionsButton() const {
  SetFocus(GetDlgItem(MainDialogOf(Handle()), IDC_OPTIONS_BUTTON));
}

void CSettingsPage::FocusTabStrip() const {
  SetFocus(reinterpret_cast<HWND>(SendMessageW(GetParent(Handle()), PSM_GETTABCONTROL, 0, 0)));
}

}  // namespace tavel::panel
