#include "panel/pages/key_rows.h"

#include "panel/res/resource.h"

namespace tavel::panel {

bool CheckUniqueKey(KeyChoice selection, KeyChoice otherSelection) {
  return selection == kNotAssigned || otherSelection != selection;
}

ChoiceResult CommitOneKeyChoice(KeyChoice& stored, KeyChoice otherStored, KeyChoice selection) {
  if (!CheckUniqueKey(selection, otherStored)) {
    return {ChoiceResult::Kind::Refused, false, IDS_MSG_DUPLICATE_KEY};
  }
  const bool changed = selection != stored;
  stored = selection;
  return {ChoiceResult::Kind::Kept, changed};
}

ComboRows::ComboRows(size_t count, KeyTable firstKeys, KeyTable secondKeys)
    : firstKeys_(firstKeys), secondKeys_(secondKeys), rows_(count), storedKept_(count) {}

void ComboRows::Clear() {
  for (TwoKeyRow& row : rows_) row = {kNotAssigned, kNotAssigned};
  for (auto& kept : storedKept_) kept.reset();
}

void ComboRows::LoadPageChoices(std::span<const KeyCombo> entries) {
  for (size_t i = 0; i < rows_.size() && i < entries.size(); ++i) {
    const KeyCombo& entry = entries[i];
    rows_[i] = {VkToChoice(firstKeys_, entry.firstKey), VkToChoice(secondKeys_, entry.secondKey)};
    const KeyCombo shown = Built(i);
    const bool shownAsStored = shown.firstKey == entry.firstKey && shown.secondKey == entry.secondKey;
    storedKept_[i] = shownAsStored ? std::nullopt : std::optional(entry);
  }
}

KeyCombo ComboRows::Built(size_t row) const {
  return {ChoiceToVk(firstKeys_, rows_[row].first), ChoiceToVk(secondKeys_, rows_[row].second)};
}

KeyCombo ComboRows::BuildPageRecord(size_t row) const {
  return storedKept_[row] ? *storedKept_[row] : Built(row);
}

ChoiceResult ComboRows::CommitRowChoice(size_t row, RowSide side, KeyChoice selection) {
  TwoKeyRow& stored = rows_[row];
  if (selection == kNotAssigned && stored.On(side) != kNotAssigned) {
    stored = {kNotAssigned, kNotAssigned};
    storedKept_[row].reset();
    return {ChoiceResult::Kind::RowCleared, true};
  }
  TwoKeyRow selections = stored;
  selections.On(side) = selection;
  if (!CheckUniqueCombination(row, selections, side)) {
    return {ChoiceResult::Kind::Refused, false, IDS_MSG_DUPLICATE_COMBINATION};
  }
  const bool changed = selection != stored.On(side);
  stored.On(side) = selection;
  if (changed) storedKept_[row].reset();
  return {ChoiceResult::Kind::Kept, changed};
}

bool ComboRows::CheckUniqueCombination(size_t row, TwoKeyRow selections, RowSide changed) const {
  if (selections.On(changed) == kNotAssigned) return true;
  for (size_t other = 0; other < rows_.size(); ++other) {
    if (other == row) continue;
    const TwoKeyRow& o = rows_[other];
    if (o.first == kNotAssigned || o.second == kNotAssigned) continue;
    if (o.first == selections.first && o.second == selections.second) return false;
  }
  return true;
}

std::optional<size_t> ComboRows::FirstIncompleteRow() const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (storedKept_[i]) continue;
    if ((rows_[i].first == kNotAssigned) != (rows_[i].second == kNotAssigned)) return i;
  }
  return std::nullopt;
}

}  // namespace tavel::panel
