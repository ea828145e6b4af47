#include "panel/pages/notebook_choices.h"

#include "common/keyboard_layout.h"
#include "panel/res/resource.h"

namespace tavel::panel {

NotebookChoices::NotebookChoices()
    : layout_(kLayoutUsEnglish), rows_(kRows, FirstKeyTable, BrowserSecondKeyTable) {}

void NotebookChoices::Clear() {
  windows_ = {kNotAssigned, std::nullopt};
  application_ = {kNotAssigned, std::nullopt};
  rows_.Clear();
}

void NotebookChoices::LoadPageChoices(const VrKbMap& keys, const VrKbBrwMap& rows) {
  for (OneKey which : {OneKey::Windows, OneKey::Application}) {
    const KeyRemap& entry = keys.entries[which == OneKey::Windows ? 0 : 1];
    OneKeyList& list = List(which);
    list.choice = VkToChoice(FirstKeyTable, entry.physicalKey);
    const KeyRemap shown = Built(which);
    const bool shownAsStored =
        shown.physicalKey == entry.physicalKey && shown.emulatedKey == entry.emulatedKey;
    list.storedKept = shownAsStored ? std::nullopt : std::optional(entry);
  }
  rows_.LoadPageChoices(rows.entries);
}

KeyChoice NotebookChoices::Key(OneKey which) const { return List(which).choice; }

ChoiceResult NotebookChoices::SelectKey(OneKey which, KeyChoice selection) {
  const OneKey other = which == OneKey::Windows ? OneKey::Application : OneKey::Windows;
  OneKeyList& list = List(which);
  ChoiceResult result = CommitOneKeyChoice(list.choice, List(other).choice, selection);
  if (result.enableApply) list.storedKept.reset();
  return result;
}

bool NotebookChoices::SelectLayout(uint32_t layout) {
  const bool changed = layout != layout_;
  layout_ = layout;
  return changed;
}

KeyRemap NotebookChoices::Built(OneKey which) const {
  const Vk physical = ChoiceToVk(FirstKeyTable, List(which).choice);
  return {physical, physical == vk::None ? vk::None : EmulatedKey(which)};
}

KeyRemap NotebookChoices::BuildKey(OneKey which) const {
  const OneKeyList& list = List(which);
  return list.storedKept ? *list.storedKept : Built(which);
}

NotebookChoices::Records NotebookChoices::BuildPageRecord() const {
  Records records{{{BuildKey(OneKey::Windows), BuildKey(OneKey::Application)}}, {}};
  for (size_t row = 0; row < kRows; ++row) records.rows.entries[row] = rows_.BuildPageRecord(row);
  return records;
}

bool NotebookChoices::WindowsKeyIsShift() const {
  const Vk key = ChoiceToVk(FirstKeyTable, windows_.choice);
  return key == vk::LShift || key == vk::RShift;
}

unsigned NotebookChoices::RowNameId(size_t row) {
  constexpr unsigned kNames[kRows] = {IDS_FN_CD_EJECT, IDS_FN_VOLUME_UP_CONTROL,
                                      IDS_FN_VOLUME_DOWN_CONTROL};
  return kNames[row];
}

unsigned NotebookChoices::OneKeyNameId(OneKey which) {
  return which == OneKey::Windows ? IDS_SUMMARY_WINDOWS_KEY : IDS_SUMMARY_APP_KEY;
}

unsigned NotebookChoices::LayoutNameId() { return IDS_SPOKEN_LAYOUT; }

}  // namespace tavel::panel
