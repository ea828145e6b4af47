#include "panel/main_dialog.h"

#include "common/capabilities.h"
#include "common/defaults.h"
#include "common/settings_store.h"
#include "panel/maintenance/help.h"
#include "panel/maintenance/options_dialog.h"
#include "panel/maintenance/panel_messages.h"
#include "panel/maintenance/summary_view.h"
#include "panel/res/resource.h"
#include "panel/win32/hook_library_calls.h"

namespace tavel::panel {
namespace {

constexpr int kButtons[] = {IDC_OPTIONS_BUTTON, IDC_APPLY_BUTTON, IDC_HELP_BUTTON, IDCANCEL};
// The sheet draws its own margin: its corner goes this far up-left of the
// placeholder so the pages line up with the heading.
constexpr int kSheetMargin = 7;

void AddFlatStyle(HWND button) {
  SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_FLAT);
}

void SetButtonStyle(HWND button, DWORD style) {
  SendMessageW(button, BM_SETSTYLE, style, TRUE);
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

// What the Options dialog's outcome changes in the main dialog and beyond.
class MainDialogOptionsEffects : public OptionsEffects {
 public:
  MainDialogOptionsEffects(HWND dialog, HWND shownPage, PanelContext& context,
                           std::function<void()> refreshPage)
      : dialog_(dialog), shownPage_(shownPage), context_(context), refreshPage_(std::move(refreshPage)) {}
  void WriteTvkStatus(uint32_t status) override {
    WriteStatus(context_.registry, status::kTvk, status);
  }
  void RefreshShownPage() override {
    refreshPage_();
    RedrawWindow(shownPage_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  bool ApplyEnabled() override { return IsWindowEnabled(GetDlgItem(dialog_, IDC_APPLY_BUTTON)); }
  void EnableApply(bool enable) override { EnableWindow(GetDlgItem(dialog_, IDC_APPLY_BUTTON), enable); }
  void WriteExtKbSettings(const PanelSettings& s) override {
    if (const uint32_t written = context_.stored.WriteExtKbSettings(s, s.extKbMask)) {
      CallSetExtKbSettings({written, s.extKb});
    }
  }

 private:
  HWND dialog_;
  HWND shownPage_;
  PanelContext& context_;
  std::function<void()> refreshPage_;
};

}  // namespace

CTavelKWnd::CTavelKWnd(PanelContext& context)
    : CDialog(IDD_MAIN_DIALOG),
      context_(context),
      pageEnvironment_{context,
                       product_.disabled,
                       [this] { return GetParent(Handle()); },
                       [this] { EnableWindow(Item(IDC_APPLY_BUTTON), TRUE); },
                       [this] { OpenHelp(context_.registry); },
                       [this] { return pages_.keySens.EnableChecked(); }},
      pages_(pageEnvironment_),
      sheet_(pages_, context.tabs) {}

CTavelKWnd::~CTavelKWnd() {
  if (background_) DeleteObject(background_);
}

void CTavelKWnd::RecreateBackgroundBrush() {
  if (background_) DeleteObject(background_);
  background_ = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void CTavelKWnd::RefreshTabStrip() { sheet_.Refresh(context_.tabs.disabledTabIndex); }

BOOL CTavelKWnd::OnInitDialog() {
  for (int id : kButtons) AddFlatStyle(Item(id));
  SendMessageW(Handle(), DM_SETDEFID, IDCANCEL, 0);
  SetButtonStyle(Item(IDCANCEL), BS_DEFPUSHBUTTON);
  EnableWindow(Item(IDC_APPLY_BUTTON), FALSE);
  RecreateBackgroundBrush();
  // Read before the first page shows, which decides on the hint.
  product_.disabled = context_.state.TvkStatus() == 1;
  if (sheet_.CreateChild(Handle())) PlaceSheet();
  return TRUE;
}

void CTavelKWnd::PlaceSheet() {
  RECT placeholder;
  GetWindowRect(Item(IDC_SHEET_PLACEHOLDER), &placeholder);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&placeholder), 2);
  SetWindowPos(sheet_.Handle(), Item(IDC_SHEET_PLACEHOLDER), placeholder.left - kSheetMargin,
               placeholder.top - kSheetMargin, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

INT_PTR CTavelKWnd::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RESET_SETTINGS:
      RunReset(static_cast<uint32_t>(wParam), ResetWith(!product_.disabled));
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_SHOW_SUMMARY:
      ShowSummaryReport(context_);
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<INT_PTR>(background_);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<INT_PTR>(background_);
    default:
      return CDialog::DialogProc(message, wParam, lParam);
  }
}

bool CTavelKWnd::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_APPLY_BUTTON:
      Apply();
      return true;
    case IDC_OPTIONS_BUTTON:
      OpenOptions();
      return true;
    case IDC_HELP_BUTTON:
      OpenHelp(context_.registry);
      return true;
    case IDOK:
    case IDCANCEL:
      CloseProgram();
      return true;
    default:
      return false;
  }
}

void CTavelKWnd::Apply() {
  const ApplyContext apply{context_.settings, context_.tabs.extKbTabEnabled == 1,
                           !product_.disabled, pages_,
                           context_.effects,  context_.state,
                           context_.monitor};
  if (!RunApply(apply)) return;
  EnableWindow(Item(IDC_APPLY_BUTTON), FALSE);
  SetFocus(Item(IDCANCEL));
}

ExtKbMap CTavelKWnd::ExternalDefaults() {
  PanelContext& c = context_;
  return ResetExtKbMap(GatherResetCapabilities(c.io, c.registry, c.system, c.loader));
}

ResetContext CTavelKWnd::ResetWith(bool productEnabled) {
  return {context_.settings, pages_,         context_.resetEffects, [this] { return ExternalDefaults(); },
          productEnabled,    context_.state, context_.monitor};
}

void CTavelKWnd::OpenOptions() {
  CKmpOptionsDlg options(context_.state.TvkStatus() != 0, context_.settings.extKb.autoStatus != 0,
                         Handle());
  if (options.DoModal(GetParent(Handle())) != IDOK) return;
  const int shown = sheet_.ActiveIndex();
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet_.Handle(), PSM_GETCURRENTPAGEHWND, 0, 0));
  MainDialogOptionsEffects effects(Handle(), page, context_, [this, shown] {
    if (shown >= 0) pages_.At(shown).RefreshProductState();
  });
  RunOptionsOutcome(options.Choices(),
                    {product_, context_.settings, effects, context_.state, context_.monitor, pages_,
                     context_.resetEffects, [this] { return ExternalDefaults(); }});
}

// The main window ends the program; hidden first so nothing lingers on
// screen while it does.
void CTavelKWnd::CloseProgram() {
  HWND mainWindow = GetParent(Handle());
  ShowWindow(mainWindow, SW_HIDE);
  PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, -1);
}

void CTavelKWnd::ResetButtonsAndFocusClose() {
  AddFlatStyle(Item(IDC_OPTIONS_BUTTON));
  SetButtonStyle(Item(IDC_APPLY_BUTTON), BS_PUSHBUTTON);
  SetButtonStyle(Item(IDC_HELP_BUTTON), BS_PUSHBUTTON);
  SetButtonStyle(Item(IDCANCEL), BS_DEFPUSHBUTTON);
  SendMessageW(Handle(), DM_SETDEFID, IDCANCEL, 0);
  SetFocus(Item(IDCANCEL));
}

FocusPlace CTavelKWnd::PlaceOf(HWND focus) const {
  if (focus && focus == sheet_.TabControl()) return FocusPlace::TabStrip;
  if (focus && focus == Item(IDC_HELP_BUTTON)) return FocusPlace::HelpButton;
  if (focus && focus == Item(IDC_OPTIONS_BUTTON)) return FocusPlace::OptionsButton;
  return FocusPlace::Other;
}

HWND CTavelKWnd::WindowFor(FocusPlace place) const {
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet_.Handle(), PSM_GETCURRENTPAGEHWND, 0, 0));
  switch (place) {
    case FocusPlace::TabStrip:
      return sheet_.TabControl();
    case FocusPlace::FirstPageControl:
      return page ? GetNextDlgTabItem(page, nullptr, FALSE) : nullptr;
    case FocusPlace::LastPageControl:
      // The one before the first, round the end: asked for the one before
      // no control at all, the dialog manager answers none.
      return page ? GetNextDlgTabItem(page, GetNextDlgTabItem(page, nullptr, FALSE), TRUE) : nullptr;
    case FocusPlace::OptionsButton:
      return Item(IDC_OPTIONS_BUTTON);
    case FocusPlace::HelpButton:
      return Item(IDC_HELP_BUTTON);
    default:
      return nullptr;
  }
}

bool CTavelKWnd::CycleFocus(bool shift) {
  const auto target = NextFocus(PlaceOf(GetFocus()), shift, product_.disabled);
  HWND window = target ? WindowFor(*target) : nullptr;
  if (!window) return false;
  SetFocus(window);
  return true;
}

bool CTavelKWnd::PreTranslate(MSG& msg) {
  if (!Handle() || !IsChild(GetParent(Handle()), msg.hwnd)) return false;
  if (msg.message == WM_KEYDOWN && KeyDown(VK_CONTROL)) {
    const bool back = (msg.wParam == VK_TAB && KeyDown(VK_SHIFT)) || msg.wParam == VK_PRIOR;
    if (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR) {
      sheet_.TabStrip().Step(back ? TabStep::Previous : TabStep::Next, true);
      return true;
    }
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    const bool shift = KeyDown(VK_SHIFT);
    const int page = sheet_.ActiveIndex();
    if (page >= 0 && pages_.At(page).OnTabKey(GetFocus(), shift)) return true;
    if (CycleFocus(shift)) return true;
  }
  return IsDialogMessageW(Handle(), &msg) != FALSE;
}

}  // namespace tavel::panel
