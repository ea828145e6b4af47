// Which physical keys the hook has taken over are held right now. Looked up
// by key: several rows may name one key, a write reaches all of them and a
// read answers from the last; a key with no row reads as not held.
#pragma once

#include "common/records.h"
#include "hook/shared_hook_state.h"

namespace tavel {

void SetSynthModifierDown(SynthModifierTable& table, Vk key, bool down);
bool SynthModifierDown(const SynthModifierTable& table, Vk key);

}  // namespace tavel
