// "Special character input": Shift + digit combinations that type a sign.
#pragma once

#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpSmbPg : public CSettingsPage {
 public:
  explicit CKmpSmbPg(PageEnvironment& env);
  SymbMap Values() const { return Settings().symbMap; }
};

}  // namespace tavel::panel
