// What the four pages of the sheet share: the hint shown instead of the
// page while the product is disabled, the page's "enable" check box, and
// telling the main dialog that a setting changed (which enables Apply).
#pragma once

#include <cstdint>
#include <functional>

#include "panel/core/panel_settings.h"
#include "panel/framework/property_page.h"

namespace tavel::panel {

struct PageEnvironment {
  const PanelSettings& settings;
  const bool& productDisabled;
  std::function<void()> settingChanged;
};

class CSettingsPage : public ui::CPropertyPage {
 public:
  // enableCheckId 0: the page has no enable check box.
  CSettingsPage(int templateId, int hintId, int enableCheckId, PageEnvironment& env)
      : CPropertyPage(templateId), hintId_(hintId), enableCheckId_(enableCheckId), env_(env) {}

 protected:
  const PanelSettings& Settings() const { return env_.settings; }
  // The saved value behind the check box, shown when the page opens.
  virtual uint32_t SavedCheck() const { return 0; }
  // The check box as the user left it; the saved value untouched while the
  // page has not been opened.
  uint32_t EnableCheck() const;

  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  const int hintId_;
  const int enableCheckId_;
  PageEnvironment& env_;
};

}  // namespace tavel::panel
