#include "panel/framework/property_sheet.h"

#include <cstring>

#include "panel/framework/dialog_template.h"

namespace tavel::ui {
namespace {

// Buttons a property sheet makes for itself; the dialog around it has its own.
constexpr int kSheetApplyButton = 0x3021;
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, kSheetApplyButton};

constexpr DWORD kFrameStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                               DS_MODALFRAME | DS_CONTEXTHELP;

// The sheet measures its pages in its own font, which the system's language
// chooses (Japanese systems use a larger one); in a larger font the sheet
// would outgrow both its pages and the dialog around it. It gets the pages'
// font size instead, taken before the sheet is made.
WORD pageFontPoints = 0;

}  // namespace

int CALLBACK CPropertySheet::BeforeCreate(HWND, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam) {
    TemplateStyleWords s = StyleWordsOf(reinterpret_cast<void*>(lParam));
    DWORD style;
    std::memcpy(&style, s.style, sizeof style);
    style = (style & ~kFrameStyles) | WS_CHILD | WS_VISIBLE | WS_TABSTOP | DS_CONTROL;
    std::memcpy(s.style, &style, sizeof style);
    DWORD exStyle;
    std::memcpy(&exStyle, s.exStyle, sizeof exStyle);
    exStyle = (exStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE)) | WS_EX_CONTROLPARENT;
    std::memcpy(s.exStyle, &exStyle, sizeof exStyle);
    if (pageFontPoints) SetFontPoints(reinterpret_cast<void*>(lParam), pageFontPoints);
  }
  return 0;
}

bool CPropertySheet::CreateChild(HWND parent) {
  std::vector<PROPSHEETPAGEW> pages;
  for (CPropertyPage* page : pages_) pages.push_back(page->Describe());
  if (!pages.empty()) pageFontPoints = FontPointsOf(pages.front().pResource).value_or(0);

  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK |
                   PSH_NOCONTEXTHELP;
  header.hwndParent = parent;
  header.hInstance = GetModuleHandleW(nullptr);
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  header.pfnCallback = BeforeCreate;
  auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  if (!sheet || sheet == reinterpret_cast<HWND>(-1)) return false;

  Subclass(sheet);
  DropOwnButtons();
  OnCreated();
  return true;
}

void CPropertySheet::DropOwnButtons() {
  for (int id : kSheetButtons) {
    if (HWND button = Item(id)) ShowWindow(button, SW_HIDE);
  }
  // Shrink to the tab strip and its pages, with the same margin below as
  // the strip has above.
  RECT tab;
  GetWindowRect(TabControl(), &tab);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&tab), 2);
  RECT sheet;
  GetWindowRect(Handle(), &sheet);
  RECT client;
  GetClientRect(Handle(), &client);
  const int frameHeight = (sheet.bottom - sheet.top) - client.bottom;
  SetWindowPos(Handle(), nullptr, 0, 0, sheet.right - sheet.left,
               tab.bottom + tab.top + frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CPropertySheet::TabControl() const {
  return reinterpret_cast<HWND>(SendMessageW(Handle(), PSM_GETTABCONTROL, 0, 0));
}

int CPropertySheet::ActiveIndex() const {
  return static_cast<int>(SendMessageW(TabControl(), TCM_GETCURSEL, 0, 0));
}

void CPropertySheet::SelectPage(int index) {
  SendMessageW(Handle(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace tavel::ui
