#include "panel/maintenance/key_sens_page.h"

#include <commctrl.h>

#include "panel/core/spoken_names.h"
#include "panel/framework/accessible_control.h"
#include "panel/framework/accessible_controls.h"
#include "panel/framework/dpi.h"
#include "panel/framework/resource_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

// Asked by the end-to-end tests for the delay of shown key `wParam`:
// lParam 0 from its key event in ms, 1 from the hook in µs; -1 when there
// is no such key.
constexpr UINT WM_KEY_TEST_DELAY = WM_APP + 0x40;
// While the test runs a second frame is drawn this far inside the first.
constexpr int kInnerFrameGap = 2;

const KeySensRow* RowOfSlider(int id) {
  for (const KeySensRow& row : KeySensRows) {
    if (row.sliderId == id) return &row;
  }
  return nullptr;
}

const KeySensRow* RowOfKey(Vk key) {
  for (const KeySensRow& row : KeySensRows) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

// The key names are measured as the control will draw them.
class ControlLineMeasure : public LineMeasure {
 public:
  explicit ControlLineMeasure(HWND control) : control_(control) {}
  bool Fits(const std::wstring& line) const override {
    HDC dc = GetDC(control_);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control_, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(control_, dc);
    RECT client;
    GetClientRect(control_, &client);
    return extent.cx <= client.right - client.left;
  }

 private:
  HWND control_;
};

}  // namespace

CKmpKsnPg::CKmpKsnPg(PageEnvironment& env)
    : CSettingsPage(IDD_KEY_SENS_PAGE, IDC_KSN_DISABLED_HINT, IDC_KSN_ENABLE_BROWSER, env),
      sliders_(Settings().keySensMap),
      testButton_([this] { EndKeyTest(false); }) {}

BOOL CKmpKsnPg::OnInitDialog() {
  CSettingsPage::OnInitDialog();
  HWND button = Item(IDC_KSN_TEST_BUTTON);
  SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_FLAT);
  SetUpTexts();
  // The group box only lends its rectangle to the painted frame.
  HWND area = Item(IDC_KSN_TEST_AREA);
  ShowWindow(area, SW_HIDE);
  GetWindowRect(area, &testArea_);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&testArea_), 2);
  testButton_.Attach(button);
  separator_.Attach(Item(IDC_KSN_SEPARATOR));
  hook_.SetTarget(Handle());
  SetUpSliders();
  EnableBrowserSliders();
  return TRUE;
}

void CKmpKsnPg::SetUpTexts() {
  SetFont(IDC_KSN_DURATION_HEADING, DialogFontVariant(FW_HEAVY));
  SetFont(IDC_KSN_KEY_NAMES, DialogFontVariant(FW_BOLD, 10));
  SetDlgItemTextW(Handle(), IDC_KSN_EXPLAIN, ui::LoadText(IDS_KSN_EXPLAIN).c_str());
  SetDlgItemTextW(Handle(), IDC_KSN_START_HELP, ui::LoadText(IDS_KSN_START_HELP).c_str());
  SetDlgItemTextW(Handle(), IDC_KSN_RECOGNISED_HELP, ui::LoadText(IDS_KSN_RECOGNISED_HELP).c_str());
  SetDlgItemTextW(Handle(), IDC_KSN_KEY_NAMES, L"");
  ui::ExposeText(Item(IDC_KSN_KEY_NAMES));
  SetDlgItemTextW(Handle(), IDC_KSN_TEST_BUTTON, ui::LoadText(IDS_START_TEST).c_str());
}

void CKmpKsnPg::SetUpSliders() {
  const ui::ResourceTexts texts;
  for (const KeySensRow& row : KeySensRows) {
    SendMessageW(Item(row.sliderId), TBM_SETRANGE, TRUE, MAKELPARAM(0, kLongestPressPosition));
    // Heard as the duration the position stands for, not the position.
    ui::ExposeSlider(Item(row.sliderId), SpokenName({row.nameId}, SpokenColumn::PressDuration, texts),
                     [](int position) {
                       return SpokenDuration(DurationOfPosition(position), ui::ResourceTexts());
                     });
  }
  ShowPositions();
}

void CKmpKsnPg::ShowPositions() const {
  for (size_t row = 0; row < kKeySensRows; ++row) {
    SendMessageW(Item(KeySensRows[row].sliderId), TBM_SETPOS, TRUE, sliders_.Positions()[row]);
  }
}

void CKmpKsnPg::ResetTo(const KeySensMap& map) {
  sliders_.Load(map);
  if (Handle()) ShowPositions();
}

void CKmpKsnPg::OnSetActive() {
  CSettingsPage::OnSetActive();
  ShowWindow(Item(IDC_KSN_TEST_AREA), SW_HIDE);
  EnableBrowserSliders();
}

void CKmpKsnPg::EnableBrowserSliders() const {
  const BOOL enable = EnableChecked();
  EnableWindow(Item(IDC_KSN_BROWSER_BACK), enable);
  EnableWindow(Item(IDC_KSN_BROWSER_FORWARD), enable);
}

bool CKmpKsnPg::OnCommand(int id, int notifyCode) {
  if (id == IDC_KSN_TEST_BUTTON && notifyCode == BN_CLICKED) {
    if (keyTest_.Running()) {
      EndKeyTest(true);
    } else {
      StartKeyTest();
    }
    return true;
  }
  if (id == IDC_KSN_ENABLE_BROWSER && notifyCode == BN_CLICKED) EnableBrowserSliders();
  return CSettingsPage::OnCommand(id, notifyCode);
}

void CKmpKsnPg::OnSliderMoved(HWND slider) {
  const KeySensRow* row = RowOfSlider(GetDlgCtrlID(slider));
  if (!row) return;
  sliders_.Move(static_cast<size_t>(row - KeySensRows.data()),
                static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)));
  Env().settingChanged();
}

// The test measures what the sliders show, applied or not. Without its hook
// there is no test: the button and the hook library stay as they were.
void CKmpKsnPg::StartKeyTest() {
  if (!keyTest_.Start(sliders_.Positions(), EnableChecked(), Settings().keySensAsgnsStatus)) {
    return;
  }
  RepaintTestArea();
  SetDlgItemTextW(Handle(), IDC_KSN_TEST_BUTTON, ui::LoadText(IDS_STOP_TEST).c_str());
  SetFocus(Item(IDC_KSN_TEST_BUTTON));
}

void CKmpKsnPg::EndKeyTest(bool focusButton) {
  if (!keyTest_.Running()) return;
  keyTest_.Stop();
  RepaintTestArea();
  SetDlgItemTextW(Handle(), IDC_KSN_TEST_BUTTON, ui::LoadText(IDS_START_TEST).c_str());
  if (focusButton) SetFocus(Item(IDC_KSN_TEST_BUTTON));
  keyNames_.Clear();
  SetDlgItemTextW(Handle(), IDC_KSN_KEY_NAMES, L"");
}

void CKmpKsnPg::ShowRecognisedKey(Vk key) {
  const KeySensRow* row = RowOfKey(key);
  // A report still queued when the test stopped belongs to no test.
  if (!row || !keyTest_.Running()) return;
  HWND names = Item(IDC_KSN_KEY_NAMES);
  keyNames_.Show(ui::LoadText(row->nameId), ControlLineMeasure(names));
  SetWindowTextW(names, keyNames_.Text().c_str());
  UpdateWindow(names);
  ui::AnnounceNameChange(names);
  hook_.NoteKeyShown();
  // The sliders show the durations under test.
  const SliderPositions tested = PositionsOf(keyTest_.Table().Rows());
  for (size_t i = 0; i < kKeySensRows; ++i) sliders_.Move(i, tested[i]);
  ShowPositions();
}

void CKmpKsnPg::RepaintTestArea() const {
  RedrawWindow(Handle(), &testArea_, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Black and double while testing, grey when idle, invisible while the
// product is disabled.
void CKmpKsnPg::PaintTestFrame() const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  const bool testing = keyTest_.Running();
  const int colour = testing                 ? COLOR_WINDOWTEXT
                     : Env().productDisabled ? COLOR_WINDOW
                                             : COLOR_GRAYTEXT;
  HBRUSH brush = GetSysColorBrush(colour);
  FrameRect(dc, &testArea_, brush);
  if (testing) {
    RECT inner = testArea_;
    const int gap = ui::ScalePixels(kInnerFrameGap);
    InflateRect(&inner, -gap, -gap);
    FrameRect(dc, &inner, brush);
  }
  EndPaint(Handle(), &paint);
}

bool CKmpKsnPg::OnTabKey(HWND focus, bool shift) {
  if (!shift && FocusIn(focus, IDC_KSN_TEST_BUTTON)) {
    FocusOptionsButton();
    return true;
  }
  if (shift && FocusIn(focus, IDC_KSN_ESC)) {
    FocusTabStrip();
    return true;
  }
  return false;
}

INT_PTR CKmpKsnPg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      OnSliderMoved(reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_KEY_RECOGNIZED:
      ShowRecognisedKey(static_cast<Vk>(lParam));
      return TRUE;
    case WM_PAINT:
      PaintTestFrame();
      return TRUE;
    case WM_KEY_TEST_DELAY: {
      const auto delay = hook_.Delay(wParam);
      LONG_PTR answer = -1;
      if (delay) answer = lParam == 0 ? delay->fromEventMs : delay->fromHookUs;
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, answer);
      return TRUE;
    }
    default:
      return CSettingsPage::DialogProc(message, wParam, lParam);
  }
}

}  // namespace tavel::panel
