#include "hook/synth_modifier_table.h"

namespace tavel {

void SetSynthModifierDown(SynthModifierTable& table, Vk key, bool down) {
  for (SynthModifier& row : table.rows) {
    if (row.vk == key) row.down = down ? 1 : 0;
  }
}

bool SynthModifierDown(const SynthModifierTable& table, Vk key) {
  uint32_t down = 0;
  for (const SynthModifier& row : table.rows) {
    if (row.vk == key) down = row.down;
  }
  return down != 0;
}

}  // namespace tavel
