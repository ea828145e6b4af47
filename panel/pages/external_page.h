// "For Use with External Keyboard": key combinations for the Fn functions.
#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpEKbPg : public CSettingsPage {
 public:
  explicit CKmpEKbPg(PageEnvironment& env);
  ExternalPageValues Values() const { return {EnableCheck(), Settings().extKbMap}; }

 protected:
  uint32_t SavedCheck() const override { return Settings().extKb.status; }
};

}  // namespace tavel::panel
