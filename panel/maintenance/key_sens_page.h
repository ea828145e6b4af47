// "Key Sensitivity": how long Esc, F1, Tab, Caps Lock and the browser keys
// must be held before they count, the browser keys switch, and the key test
// that shows at once what the chosen durations let through.
#pragma once

#include <windows.h>

#include "panel/core/apply_sequence.h"
#include "panel/maintenance/key_name_display.h"
#include "panel/maintenance/key_sens_rows.h"
#include "panel/maintenance/key_test.h"
#include "panel/maintenance/key_test_hook.h"
#include "panel/maintenance/test_button.h"
#include "panel/pages/static_lines.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpKsnPg : public CSettingsPage {
 public:
  explicit CKmpKsnPg(PageEnvironment& env);

  KeySensPageValues Values() const { return {EnableCheck(), sliders_.Map()}; }
  // After a reset of the durations to those of `map`.
  void ResetTo(const KeySensMap& map);
  // Ends a running key test, the hook library's status put back; for the
  // ways out of the program.
  void StopKeyTest() { EndKeyTest(false); }
  bool OnTabKey(HWND focus, bool shift) override;

 protected:
  // Only a stored 0 switches the browser keys off.
  uint32_t SavedCheck() const override { return Settings().vrKbBrwAsgnsStatus; }
  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetUpTexts();
  void SetUpSliders();
  void ShowPositions() const;
  void OnSliderMoved(HWND slider);
  void EnableBrowserSliders() const;
  void StartKeyTest();
  void EndKeyTest(bool focusButton);
  void ShowRecognisedKey(Vk key);
  void RepaintTestArea() const;
  void PaintTestFrame() const;

  KeySensSliders sliders_;
  RECT testArea_{};
  CTestBtn testButton_;
  CStaticVertLine separator_;
  Win32KeyTestHook hook_;
  KeyTest keyTest_{hook_};
  KeyNameDisplay keyNames_;
};

}  // namespace tavel::panel
