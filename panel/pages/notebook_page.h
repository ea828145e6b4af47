// "For Use with Varo Keyboard": the notebook keyboard's assignments.
#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpTKbPg : public CSettingsPage {
 public:
  explicit CKmpTKbPg(PageEnvironment& env);
  NotebookPageValues Values() const;

 protected:
  uint32_t SavedCheck() const override { return Settings().vrKbAsgnsStatus; }
};

}  // namespace tavel::panel
