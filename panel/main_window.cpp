#include "panel/main_window.h"

#include "common/settings_store.h"
#include "panel/about_dialog.h"
#include "panel/framework/dialog_template.h"
#include "panel/framework/resource_text.h"
#include "panel/framework/system_colours.h"
#include "panel/maintenance/help.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr UINT_PTR IDT_INITIAL_FOCUS = 1001;
constexpr UINT_PTR IDT_KEYBOARD_RECHECK = 1002;
constexpr UINT kInitialFocusDelayMs = 80;
// Devices arrive in bursts: check once, a while after the last notification.
constexpr UINT kKeyboardRecheckDelayMs = 4000;

std::wstring Widened(const std::string& text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

CTavelMWnd::CTavelMWnd(PanelContext& context, std::function<bool()> makerKeyboardAttached)
    : context_(context),
      makerKeyboardAttached_(std::move(makerKeyboardAttached)),
      dialog_(context) {}

bool CTavelMWnd::Create() {
  const RECT byDefault{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
  return CWindow::Create(0, L"", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, byDefault, nullptr);
}

void CTavelMWnd::Initialize() {
  SetIconsAndTitle();
  TrimSystemMenu();
  dialog_.CreateModeless(Handle());
  band_.CreateModeless(Handle());
  Layout(true);
  SetTimer(Handle(), IDT_INITIAL_FOCUS, kInitialFocusDelayMs, nullptr);
  context_.tabs.disabledTabIndex = -1;
  RecheckKeyboard();
}

void CTavelMWnd::SetIconsAndTitle() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HICON big = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVELKIT));
  auto small = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_TAVELKIT), IMAGE_ICON, 16, 16, 0));
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  SetWindowTextW(Handle(), ui::LoadText(IDS_MAIN_TITLE).c_str());
}

// The window has a fixed size: no Size or Maximize, and the About box.
void CTavelMWnd::TrimSystemMenu() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(menu, 0, MF_BYCOMMAND);
  const std::wstring about = ui::LoadText(IDS_ABOUT_MENU);
  if (about.empty()) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
}

void CTavelMWnd::Layout(bool center) {
  if (inLayout_) return;  // our own resizing comes back as WM_SIZE
  inLayout_ = true;
  if (auto area = ui::DialogTemplateRect(IDD_MAIN_DIALOG)) {
    RECT r = *area;
    MapDialogRect(dialog_.Handle(), &r);
    const int width = r.right - r.left;
    const int height = 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) +
                       (r.bottom - r.top) + kCaptionBandHeight;
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    if (center) {
      SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    layoutDone_ = true;
  }
  RECT client;
  GetClientRect(Handle(), &client);
  SetWindowPos(dialog_.Handle(), nullptr, 0, kCaptionBandHeight, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(band_.Handle(), nullptr, 0, 0, client.right, kCaptionBandHeight, SWP_NOZORDER);
  ShowWindow(band_.Handle(), SW_SHOW);
  inLayout_ = false;
}

void CTavelMWnd::Relayout() {
  dialog_.RecreateBackgroundBrush();
  Layout(false);
}

void CTavelMWnd::RecheckKeyboard() {
  if (context_.tabs.Recheck(makerKeyboardAttached_())) dialog_.RefreshTabStrip();
}

void CTavelMWnd::RunModalLoop() {
  continueModal_ = true;
  MSG msg;
  while (continueModal_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (dialog_.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // However the program ends, a key test ends first, before the windows
  // take their time to go.
  dialog_.StopKeyTest();
}

void CTavelMWnd::EndModalLoop() {
  continueModal_ = false;
  PostQuitMessage(0);
}

void CTavelMWnd::OnTimer(UINT_PTR id) {
  KillTimer(Handle(), id);
  if (id == IDT_INITIAL_FOCUS) SendMessageW(Handle(), WM_SETFOCUS, 0, 0);
  if (id == IDT_KEYBOARD_RECHECK) RecheckKeyboard();
}

LRESULT CTavelMWnd::OnSysCommand(WPARAM command, LPARAM lParam) {
  switch (command & 0xFFF0) {
    case IDM_ABOUTBOX:
      CAboutDlg(Widened(ReadTavelVersion(context_.registry))).DoModal(Handle());
      return 0;
    case SC_MAXIMIZE:
      return 0;
    case SC_CLOSE:
      EndModalLoop();
      return 0;
    default:
      return Default(WM_SYSCOMMAND, command, lParam);
  }
}

LRESULT CTavelMWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam);
    // Asked to close by another program (a task list's "End Task"), or gone
    // by any other way: the program ends as Close ends it.
    case WM_CLOSE:
      EndModalLoop();
      return 0;
    case WM_DESTROY:
      if (continueModal_) EndModalLoop();
      return 0;
    case WM_SETTINGCHANGE:
      Relayout();
      // High contrast may have come or gone: the caption band draws after it.
      RedrawWindow(band_.Handle(), nullptr, nullptr, RDW_INVALIDATE);
      return 0;
    case WM_SYSCOLORCHANGE:
      dialog_.RecreateBackgroundBrush();
      ui::FollowColourChange(Handle());
      return 0;
    case WM_SIZE:
      if ((wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED) && layoutDone_) Relayout();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_DEVICECHANGE:
      SetTimer(Handle(), IDT_KEYBOARD_RECHECK, kKeyboardRecheckDelayMs, nullptr);
      return TRUE;
    case WM_SETFOCUS:
      dialog_.ResetButtonsAndFocusClose();
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off: end at once; changes not applied are dropped. A key
      // test must not leave the hook library standing aside.
      dialog_.StopKeyTest();
      EndModalLoop();
      ExitProcess(0);
    case WM_ENDSESSION:
      if (wParam) dialog_.StopKeyTest();
      return 1;
    case WM_HELP:  // F1 anywhere in the window, pages included
      OpenHelp(context_.registry);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tavel::panel
