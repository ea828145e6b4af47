// "Special character input": Shift + digit combinations that type a sign.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/pages/custom_combo_boxes.h"
#include "panel/pages/icon_combo_box.h"
#include "panel/pages/key_list_view.h"
#include "panel/pages/symb_choices.h"
#include "panel/settings_page.h"

namespace tavel::panel {

class CKmpSmbPg : public CSettingsPage {
 public:
  explicit CKmpSmbPg(PageEnvironment& env);
  ~CKmpSmbPg() override;

  SymbMap Values() const { return choices_.BuildPageRecord(); }
  // Apply's check; a refusal has shown its message.
  bool ValidateCompleteRows() const;
  // After a reset of the special characters to `map`.
  void ResetTo(const SymbMap& map);
  bool OnTabKey(HWND focus, bool shift) override;

 protected:
  BOOL OnInitDialog() override;
  void OnSetActive() override;
  bool OnCommand(int id, int notifyCode) override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillLists();
  void ExposeLists() const;
  void ShowPageChoices() const;
  // The row whose character list has this id, if any.
  std::optional<size_t> CharacterRow(int id) const;

  SymbChoices choices_;
  RowLists rowLists_;
  CIconComboBox characterLists_[SymbMap::kEntries];
  CCustComboBox keyLists_[2 * SymbMap::kEntries];
  HIMAGELIST characters_ = nullptr;
};

}  // namespace tavel::panel
