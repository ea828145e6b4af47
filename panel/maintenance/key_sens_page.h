// "Key Sensitivity": minimum press durations and the browser keys switch.
#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpKsnPg : public CSettingsPage {
 public:
  explicit CKmpKsnPg(PageEnvironment& env);
  KeySensPageValues Values() const { return {EnableCheck(), Settings().keySensMap}; }
  // The durations come from the settings, which the reset has already set.
  void ResetTo(const KeySensMap&) {}

 protected:
  uint32_t SavedCheck() const override { return Settings().vrKbBrwAsgnsStatus; }
};

}  // namespace tavel::panel
