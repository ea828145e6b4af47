// What the special-character page holds while the user works: for each of
// six rows a character and the Shift + digit combination that types it.
#pragma once

#include <array>

#include "common/records.h"
#include "panel/core/spoken_names.h"
#include "panel/pages/key_rows.h"

namespace tavel::panel {

class SymbChoices {
 public:
  static constexpr size_t kRows = SymbMap::kEntries;

  SymbChoices() : rows_(kRows, ShiftKeyTable, NumberSecondKeyTable) {}

  // The keys of every row; the characters take no part in the rules.
  ComboRows& Rows() { return rows_; }
  const ComboRows& Rows() const { return rows_; }

  // The character list position is the character code itself. A code no
  // list item stands for selects nothing and is written back as it was.
  int32_t Character(size_t row) const { return characters_[row]; }
  // True when the choice changed.
  bool SelectCharacter(size_t row, int32_t position);

  void Clear();
  void LoadPageChoices(const SymbMap& map);

  // Every row has one function name; screen readers tell them apart by
  // number.
  static unsigned RowNameId();
  static SpokenRow SpokenRowOf(size_t row) { return {RowNameId(), static_cast<int>(row) + 1}; }
  // The name of character code 1 and up, which its list item shows as a
  // picture.
  static unsigned CharacterNameId(int32_t code);
  SymbMap BuildPageRecord() const;

 private:
  std::array<int32_t, kRows> characters_{kNotLoaded, kNotLoaded, kNotLoaded,
                                         kNotLoaded, kNotLoaded, kNotLoaded};
  ComboRows rows_;
};

}  // namespace tavel::panel
