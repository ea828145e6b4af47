// "For Use with Varo Keyboard": the keys that act as the Windows and
// Application keys, the notebook's layout (which only renames the modifier
// keys), and the browser-key combinations for eject and volume.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/core/apply_sequence.h"
#include "panel/pages/custom_combo_boxes.h"
#include "panel/pages/key_list_view.h"
#include "panel/pages/notebook_choices.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpTKbPg : public CSettingsPage {
 public:
  explicit CKmpTKbPg(PageEnvironment& env);
  ~CKmpTKbPg() override;

  NotebookPageValues Values() const;
  // Apply's check; a refusal has shown its message.
  bool ValidateCompleteRows() const;
  // After a reset of the notebook keys to `keys` (the rows are empty then).
  void ResetTo(const VrKbMap& keys);
  bool OnTabKey(HWND focus, bool shift) override;

 protected:
  uint32_t SavedCheck() const override { return Settings().vrKbAsgnsStatus; }
  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void CreateImageLists();
  void FillLayoutList();
  void FillKeyLists();
  void ExposeLists() const;
  void ShowPageChoices() const;
  void EnableBrowserRows(bool enable) const;
  void OnLayoutChanged();
  void OnOneKeyPicked(OneKey which, int id);

  NotebookChoices choices_;
  RowLists rowLists_;
  CCustComboBox layoutList_;
  CCustComboBoxEx keyLists_[8];
  HIMAGELIST modifierSymbols_ = nullptr;
  HIMAGELIST browserSymbols_ = nullptr;
};

}  // namespace tavel::panel
