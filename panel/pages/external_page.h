// "For Use with External Keyboard": a key combination for each of the ten Fn
// functions an external keyboard lacks. Functions this notebook does not
// have are greyed out or hidden, yet keep their combinations.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/core/apply_sequence.h"
#include "panel/pages/custom_combo_boxes.h"
#include "panel/pages/external_choices.h"
#include "panel/pages/key_list_view.h"
#include "panel/pages/picture.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpEKbPg : public CSettingsPage {
 public:
  explicit CKmpEKbPg(PageEnvironment& env);
  ~CKmpEKbPg() override;

  ExternalPageValues Values() const { return {EnableCheck(), choices_.BuildPageRecord()}; }
  // Apply's check; a refusal has shown its message.
  bool ValidateCompleteRows() const;
  // After a reset of the external keyboard's assignments to `map`.
  void ResetTo(const ExtKbMap& map);
  bool OnTabKey(HWND focus, bool shift) override;

 protected:
  uint32_t SavedCheck() const override { return Settings().extKb.status; }
  // A stored value other than 0 or 1 shows unticked.
  CheckRule SavedCheckRule() const override { return CheckRule::ExactlyOne; }
  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void ShowIcons(VaroButtonKind button);
  void FillLists();
  void ApplyRowPresence() const;

  ExternalChoices choices_;
  RowLists rowLists_;
  ExternalRowCapabilities capabilities_;
  CPicture icons_[ExtKbMap::kEntries];
  CCustComboBox firstLists_[ExtKbMap::kEntries];
  CCustComboBoxEx secondLists_[ExtKbMap::kEntries];
  HIMAGELIST arrows_ = nullptr;
};

}  // namespace tavel::panel
