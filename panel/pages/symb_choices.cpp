#include "panel/pages/symb_choices.h"

#include "panel/res/resource.h"

namespace tavel::panel {

bool SymbChoices::SelectCharacter(size_t row, int32_t position) {
  const bool changed = position != characters_[row];
  characters_[row] = position;
  return changed;
}

void SymbChoices::Clear() {
  characters_.fill(kNotAssigned);
  rows_.Clear();
}

void SymbChoices::LoadPageChoices(const SymbMap& map) {
  KeyCombo keys[kRows];
  for (size_t row = 0; row < kRows; ++row) {
    const SymbEntry& entry = map.entries[row];
    characters_[row] = static_cast<int32_t>(entry.characterChoice);
    keys[row] = {entry.firstKey, entry.secondKey};
  }
  rows_.LoadPageChoices(keys);
}

SymbMap SymbChoices::BuildPageRecord() const {
  SymbMap map{};
  for (size_t row = 0; row < kRows; ++row) {
    const KeyCombo keys = rows_.BuildPageRecord(row);
    map.entries[row] = {static_cast<uint32_t>(characters_[row]), keys.firstKey, keys.secondKey};
  }
  return map;
}

unsigned SymbChoices::RowNameId() { return IDS_FN_INSERT_SPECIAL_CHAR; }

unsigned SymbChoices::CharacterNameId(int32_t code) {
  return IDS_CHAR_EURO + static_cast<unsigned>(code) - 1;
}

}  // namespace tavel::panel
