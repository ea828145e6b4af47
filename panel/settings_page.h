// What the four pages of the sheet share: the hint shown instead of the
// page while the product is disabled, the page's "enable" check box, their
// colours and help, the Tab key's way out to the main dialog, and telling the
// main dialog that a setting changed (which enables Apply).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "panel/core/enable_switch.h"
#include "panel/framework/property_page.h"
#include "panel/panel_context.h"

namespace tavel::panel {

struct PageEnvironment {
  PanelContext& context;  // the settings, the registry and the machine
  const bool& productDisabled;
  // The program's main window, owner of the pages' message boxes, even of
  // a page not opened yet.
  std::function<HWND()> mainWindow;
  std::function<void()> settingChanged;
  std::function<void()> openHelp;
  // The Key Sensitivity page's "Enable Browser Keys" as the user left it.
  std::function<bool()> browserKeysEnabled;
};

class CSettingsPage : public ui::CPropertyPage {
 public:
  // enableCheckId 0: the page has no enable check box.
  CSettingsPage(int templateId, int hintId, int enableCheckId, PageEnvironment& env)
      : CPropertyPage(templateId), hintId_(hintId), enableCheckId_(enableCheckId), env_(env) {}
  ~CSettingsPage() override;

  // The status value the check box stands for as the user left it: the
  // saved value while the box shows it (or the page has not been opened),
  // else 0 or 1.
  uint32_t EnableCheck() const;
  // Whether the box is (or, unopened, would be) ticked.
  bool EnableChecked() const;
  // The product was switched off or on while the page shows: it shows its
  // settings or only its hint.
  void RefreshProductState() { OnSetActive(); }
  // Tab or Shift+Tab with the focus on one of the page's controls; true when
  // the page moved the focus itself.
  virtual bool OnTabKey(HWND, bool) { return false; }

 protected:
  PageEnvironment& Env() const { return env_; }
  HWND MessageOwner() const { return env_.mainWindow(); }
  const PanelSettings& Settings() const { return env_.context.settings; }
  // The saved value behind the check box, shown when the page opens, and
  // how the box shows it.
  virtual uint32_t SavedCheck() const { return 0; }
  virtual CheckRule SavedCheckRule() const { return CheckRule::NonZero; }

  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The dialog font in another weight (and size in points, 0 = the same),
  // owned by the page.
  HFONT DialogFontVariant(LONG weight, int points = 0);
  void SetFont(int id, HFONT font) const;
  // The focus is on the control or inside it (an extended combo box).
  bool FocusIn(HWND focus, int id) const;
  void FocusOptionsButton() const;
  void FocusTabStrip() const;

 private:
  void PlaceHint();

  const int hintId_;
  const int enableCheckId_;
  PageEnvironment& env_;
  std::vector<HFONT> ownedFonts_;
};

}  // namespace tavel::panel
