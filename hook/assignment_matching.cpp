// Whether an event belongs to a key combination of the current settings.
#include "hook/hook_procedure.h"
#include "hook/synth_modifier_table.h"

namespace tavel {

bool KeyboardHookEngine::ModifierHeld(Vk firstKey) const {
  // A combination without a first key never matches.
  if (firstKey == vk::None) return false;
  // The hook swallows the physical keys it has taken over, so the system does
  // not see them held; the hook's own flags stand in for them.
  return input_.IsKeyDown(firstKey) || SynthModifierDown(state_.synthModifiers, firstKey) ||
         (firstKey == vk::RMenu && state_.koreanRightAltDown != 0) ||
         (firstKey == vk::RControl && state_.koreanRightCtrlDown != 0);
}

int KeyboardHookEngine::MatchExtKb(const KeyEvent& ev) const {
  if (IsInjected(ev)) return -1;
  for (uint32_t i = 0; i < ExtKbMap::kEntries; ++i) {
    const KeyCombo& c = state_.extKbMap.entries[i];
    if (c.secondKey == ev.vkCode && ModifierHeld(c.firstKey)) return static_cast<int>(i);
  }
  return -1;
}

// Injected events match too: other software may drive these combinations.
int KeyboardHookEngine::MatchVrKbBrw(const KeyEvent& ev) const {
  for (uint32_t i = 0; i < VrKbBrwMap::kEntries; ++i) {
    const KeyCombo& c = state_.vrKbBrwMap.entries[i];
    if (c.secondKey == ev.vkCode && ModifierHeld(c.firstKey)) return static_cast<int>(i);
  }
  return -1;
}

bool KeyboardHookEngine::KeyClaimedByAssignment(const KeyEvent& ev) const {
  const bool keyDown = !IsKeyUp(ev);
  if (ExtKbAssignmentsActive(state_.extKbSettings) && keyDown && MatchExtKb(ev) >= 0) return true;
  const KeyRemap windowsKey = state_.vrKbMap.entries[0];
  if (state_.vrKbStatus != 0 && windowsKey.physicalKey != windowsKey.emulatedKey &&
      SynthModifierDown(state_.synthModifiers, windowsKey.physicalKey)) {
    return true;
  }
  if (state_.vrKbBrwStatus == 0) return ev.vkCode == vk::BrowserBack || ev.vkCode == vk::BrowserForward;
  return keyDown && MatchVrKbBrw(ev) >= 0;
}

}  // namespace tavel
