#include "hook/hook_procedure.h"

#include <utility>

#include "hook/synth_modifier_table.h"

namespace tavel {

namespace {

// Korean keyboards report the right-hand Alt and Ctrl keys as these.
constexpr uint32_t kKoreanRightAltScan = 0x38;
constexpr uint32_t kKoreanRightCtrlScan = 0x1D;
// The left-Ctrl event Windows sends along with AltGr.
constexpr uint32_t kAltGrCtrlScan = 0x21D;

constexpr uint32_t kSpecialCharacterActionBase = 40;
constexpr uint32_t kNotebookActionBase = 20;
constexpr uint32_t kInjectedKeyUpFlag = 0x02;  // KEYEVENTF_KEYUP

bool IsBrowserKey(Vk key) { return key == vk::BrowserBack || key == vk::BrowserForward; }

// Korean keyboards report their right Alt and right Ctrl keys as Han/Yeong
// and Hanja.
bool IsKoreanRightAlt(const KeyEvent& ev) {
  return !IsInjected(ev) && ev.vkCode == vk::KoreanHangul && ev.scanCode == kKoreanRightAltScan;
}
bool IsKoreanRightCtrl(const KeyEvent& ev) {
  return !IsInjected(ev) && ev.vkCode == vk::KoreanHanja && ev.scanCode == kKoreanRightCtrlScan;
}

// The key a Korean right-hand key stands for when it is taken over.
Vk KoreanEquivalent(const KeyEvent& ev) {
  if (IsKoreanRightAlt(ev)) return vk::RMenu;
  if (IsKoreanRightCtrl(ev)) return vk::RControl;
  return ev.vkCode;
}

bool IsKeyDownAfterTab(const KeyEvent& ev, KeyRecord previous) {
  return !IsInjected(ev) && !IsKeyUp(ev) && previous.vk == vk::Tab;
}

}  // namespace

KeyboardHookEngine::KeyboardHookEngine(SharedHookState& state, KeyInput& input)
    : state_(state), input_(input) {}

// The rules may rewrite the event (Korean keys become right Alt and right
// Ctrl), so the key it stands for is taken first.
bool KeyboardHookEngine::Process(KeyEvent& ev) {
  const Vk pressed = ev.vkCode;
  const Vk adjusted = KoreanEquivalent(ev);
  const bool swallow = ApplyRules(ev);
  if (IsKeyUp(ev) && !IsInjected(ev)) {
    LetGoOf(pressed, ev);
    LetGoOf(adjusted, ev);
  }
  return swallow;
}

// A physical key comes up that the rules still count as held: they did not
// handle its release (the assignment was switched off or changed while it
// was held, or another rule took the release). Whatever stands in for it is
// released now, so nothing stays down.
void KeyboardHookEngine::LetGoOf(Vk physicalKey, const KeyEvent& release) {
  if (physicalKey >= emulatedFor_.size()) return;
  const uint8_t emulated = std::exchange(emulatedFor_[physicalKey], 0);
  if (emulated != 0 && injectedDown_[emulated]) {
    Release(emulated, release);
  }
  SetSynthModifierDown(state_.synthModifiers, physicalKey, false);
}

void KeyboardHookEngine::ReleaseInjectedKeys() {
  const KeyEvent neutral{kWmKeyUp, 0, 0, 0, 0, 0};
  for (uint32_t key = 0; key < injectedDown_.size(); ++key) {
    if (injectedDown_[key]) Release(key, neutral);
  }
  emulatedFor_.fill(0);
  for (SynthModifier& row : state_.synthModifiers.rows) row.down = 0;
  state_.koreanRightAltDown = 0;
  state_.koreanRightCtrlDown = 0;
  altGrCtrlSwallowed_ = false;
}

bool KeyboardHookEngine::ApplyRules(KeyEvent& ev) {
  if (state_.keySensStatus == kKeySensOn && FilterPressDuration(ev)) return true;
  Record(ev);
  TrackKoreanKeys(ev);
  Housekeeping();
  if (WindowsUGuard(ev)) return true;
  ReleaseHeldAltOrShift(ev);
  if (SpecialCharacters(ev) || ExternalKeyboardFunctions(ev) || BrowserKeysDisabled(ev)) return true;
  if (state_.vrKbStatus == 0 || KeyTestRunning()) return false;
  if (NotebookEjectAndVolume(ev) || SwallowAltGrCtrl(ev)) return true;
  AdjustKoreanKeys(ev);
  return EmulateKeys(ev);
}

bool KeyboardHookEngine::FilterPressDuration(KeyEvent& ev) {
  for (const KeySensEntry& row : state_.keySensMap.entries) {
    if (row.key != ev.vkCode || row.minimumPressMs == 0) continue;
    // Browser keys injected by other software are filtered only when marked
    // extended, and then passed on without the mark.
    if (IsBrowserKey(ev.vkCode) && IsInjected(ev)) {
      if (!IsExtended(ev)) continue;
      ev.flags &= ~kKeyFlagExtended;
    }
    if (KeyClaimedByAssignment(ev)) continue;
    if (pressFilter_.Swallow(ev, row.minimumPressMs)) return true;
  }
  return false;
}

void KeyboardHookEngine::Record(const KeyEvent& ev) {
  const KeyRecord rec{ev.vkCode, ev.flags};
  ring_.Record(rec);
  history_.Record(rec);
}

void KeyboardHookEngine::TrackKoreanKeys(const KeyEvent& ev) {
  const uint32_t down = IsKeyUp(ev) ? 0 : 1;
  if (IsKoreanRightAlt(ev)) state_.koreanRightAltDown = down;
  if (IsKoreanRightCtrl(ev)) state_.koreanRightCtrlDown = down;
}

// After the utility manager has been started from the keyboard, the previous
// key is forgotten a few events later so that a 'U' release does not count
// as part of the next Windows-key combination.
void KeyboardHookEngine::Housekeeping() {
  if (clearPreviousKey_) {
    ring_.ClearPrevious();
    clearPreviousKey_ = false;
  }
  if (historyCountdown_ != 0 && ++historyCountdown_ == 5) {
    ring_.ClearPrevious();
    historyCountdown_ = 0;
  }
  if (startCountdown_) {
    startCountdown_ = false;
    ++historyCountdown_;
  }
}

// Windows+U from the emulated Windows key opens the utility manager on
// release; the 'U' itself must not reach the application.
bool KeyboardHookEngine::WindowsUGuard(const KeyEvent& ev) const {
  return ev.vkCode == vk::U && !IsInjected(ev) && ring_.Previous().vk == vk::LWin &&
         SynthModifierDown(state_.synthModifiers, state_.vrKbMap.entries[0].physicalKey);
}

// An Alt or Shift key acting as the Windows key must not turn Tab into
// Alt+Tab or Shift+Tab for the key that follows.
void KeyboardHookEngine::ReleaseHeldAltOrShift(const KeyEvent& ev) {
  const KeyRemap win = state_.vrKbMap.entries[0];
  const Vk p = win.physicalKey;
  if (p == win.emulatedKey || !SynthModifierDown(state_.synthModifiers, p)) return;
  // Read once: the release below comes back through the hook and becomes
  // the previous event.
  const bool afterTab = IsKeyDownAfterTab(ev, ring_.Previous());
  if (p == vk::LMenu || p == vk::RMenu) {
    if (afterTab && ev.vkCode == vk::Return) Release(p, ev);
    if (afterTab) Release(p, ev);
  } else if ((p == vk::LShift || p == vk::RShift) && afterTab) {
    Release(p, ev);
  }
}

bool KeyboardHookEngine::SpecialCharacters(const KeyEvent& ev) {
  if (state_.symbStatus == 0 || KeyTestRunning() || IsInjected(ev)) return false;
  for (uint32_t i = 0; i < SymbMap::kEntries; ++i) {
    const SymbEntry& e = state_.symbMap.entries[i];
    if (e.secondKey != ev.vkCode || e.characterChoice == 0 || !ModifierHeld(e.firstKey)) continue;
    // Auto-repeat types the character again.
    if (!IsKeyUp(ev)) input_.PostAssignedKey(ev.message, kSpecialCharacterActionBase + i);
    return true;
  }
  return false;
}

bool KeyboardHookEngine::ExternalKeyboardFunctions(const KeyEvent& ev) {
  if (!ExtKbAssignmentsActive(state_.extKbSettings) || KeyTestRunning()) return false;
  const int i = MatchExtKb(ev);
  if (i < 0) return false;
  if (IsKeyUp(ev)) return true;
  const KeyRecord previous = ring_.Previous();
  const bool autoRepeat = previous.vk == ev.vkCode && !IsKeyUpFlags(previous.flags);
  // Only the volume keys repeat while held; standby and the like fire once.
  if (!autoRepeat || i == kExtVolumeUp || i == kExtVolumeDown) {
    input_.PostAssignedKey(ev.message, static_cast<uint32_t>(i));
  }
  return true;
}

bool KeyboardHookEngine::BrowserKeysDisabled(const KeyEvent& ev) const {
  return state_.vrKbBrwStatus == 0 && !KeyTestRunning() && IsBrowserKey(ev.vkCode);
}

bool KeyboardHookEngine::NotebookEjectAndVolume(KeyEvent& ev) {
  if (injectingVolumeKey_) return false;
  const int i = MatchVrKbBrw(ev);
  if (i < 0) return false;
  if (IsKeyUp(ev)) return true;
  if (i == kBrwVolumeUp || i == kBrwVolumeDown) {
    // The system's own volume keys do the change; the monitor only shows it.
    const Vk volumeKey = i == kBrwVolumeUp ? vk::VolumeUp : vk::VolumeDown;
    ev.vkCode = volumeKey;
    ev.scanCode = input_.ScanCodeOf(volumeKey);
    const auto scan = static_cast<uint8_t>(ev.scanCode);
    injectingVolumeKey_ = true;
    input_.InjectKey(static_cast<uint8_t>(volumeKey), scan, ev.flags, ev.extraInfo);
    ev.flags |= kInjectedKeyUpFlag;
    input_.InjectKey(static_cast<uint8_t>(volumeKey), scan, ev.flags, ev.extraInfo);
    injectingVolumeKey_ = false;
  }
  input_.PostAssignedKey(ev.message, kNotebookActionBase + static_cast<uint32_t>(i));
  return true;
}

// With right Alt taken over, the left Ctrl that AltGr layouts send along with
// it would otherwise turn the emulated key into Ctrl+Windows.
bool KeyboardHookEngine::SwallowAltGrCtrl(const KeyEvent& ev) {
  if (IsInjected(ev) || ev.vkCode != vk::LControl || ev.scanCode != kAltGrCtrlScan) return false;
  for (const KeyRemap& e : state_.vrKbMap.entries) {
    if (e.physicalKey != e.emulatedKey && e.physicalKey == vk::RMenu) {
      altGrCtrlSwallowed_ = true;
      return true;
    }
  }
  return false;
}

void KeyboardHookEngine::AdjustKoreanKeys(KeyEvent& ev) const {
  const Vk equivalent = KoreanEquivalent(ev);
  if (equivalent == ev.vkCode) return;
  for (const KeyRemap& e : state_.vrKbMap.entries) {
    if (e.physicalKey == equivalent && e.physicalKey != e.emulatedKey) {
      ev.vkCode = equivalent;
      return;
    }
  }
}

}  // namespace tavel
