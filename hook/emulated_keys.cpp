// A notebook key acting as the Windows key or the Application key. The
// physical key is swallowed; the emulated key is injected in its place, and
// its release is shaped by the key pressed in between so that the shell sees
// the intended combination (Windows+L locks, Windows+U opens the utility
// manager, a tap opens the Start menu).
#include <utility>

#include "hook/hook_procedure.h"
#include "hook/key_sets.h"
#include "hook/synth_modifier_table.h"

namespace tavel {

namespace {

constexpr uint32_t kPressFlags = 0x01;    // KEYEVENTF_EXTENDEDKEY
constexpr uint32_t kReleaseFlags = 0x03;  // KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP

// How long the shell needs before the emulated key may be released: after
// Ctrl+Break, and after starting the utility manager.
constexpr uint32_t kAfterBreakDelayMs = 1000;
constexpr uint32_t kAfterUtilityManagerDelayMs = 1200;

bool IsCtrl(Vk key) { return key == vk::LControl || key == vk::RControl; }
bool IsAlt(Vk key) { return key == vk::LMenu || key == vk::RMenu; }
bool IsShift(Vk key) { return key == vk::LShift || key == vk::RShift; }

// An entry without an emulated key (a record the configuration program
// never writes) has nothing to inject: it is as inert as one naming itself.
bool Applies(KeyRemap entry, const KeyEvent& ev) {
  return ev.vkCode == entry.physicalKey && entry.physicalKey != entry.emulatedKey &&
         entry.emulatedKey != vk::None && !IsInjected(ev);
}

}  // namespace

void KeyboardHookEngine::Press(Vk key, const KeyEvent& ev) {
  injectedDown_[static_cast<uint8_t>(key)] = true;
  input_.InjectKey(static_cast<uint8_t>(key), static_cast<uint8_t>(input_.ScanCodeOf(key)),
                   ev.flags | kPressFlags, ev.extraInfo);
}

void KeyboardHookEngine::Release(Vk key, const KeyEvent& ev) {
  injectedDown_[static_cast<uint8_t>(key)] = false;
  input_.InjectKey(static_cast<uint8_t>(key), static_cast<uint8_t>(input_.ScanCodeOf(key)),
                   ev.flags | kReleaseFlags, ev.extraInfo);
}

// A Shift tap between the Windows key's press and release keeps the shell
// from reading the release as a Windows-key tap (which would open Start).
void KeyboardHookEngine::ShiftTap(const KeyEvent& ev) {
  Press(vk::LShift, ev);
  Release(vk::LShift, ev);
}

bool KeyboardHookEngine::EmulateKeys(const KeyEvent& ev) {
  const KeyRemap windowsKey = state_.vrKbMap.entries[0];
  const KeyRemap applicationKey = state_.vrKbMap.entries[1];
  if (Applies(windowsKey, ev)) return EmulateWindowsKey(ev, windowsKey);
  if (Applies(applicationKey, ev)) return EmulateApplicationKey(ev, applicationKey);
  return false;
}

bool KeyboardHookEngine::EmulateWindowsKey(const KeyEvent& ev, KeyRemap entry) {
  const Vk p = entry.physicalKey;
  if (!IsKeyUp(ev)) {
    // Auto-repeat of the physical key yields nothing.
    if (SynthModifierDown(state_.synthModifiers, p)) return true;
    if (p < emulatedFor_.size()) {
      // A key without a flag of its own repeats the emulated key; should the
      // assignment have changed meanwhile, the old key is let go first.
      const uint8_t before = std::exchange(emulatedFor_[p], static_cast<uint8_t>(entry.emulatedKey));
      if (before != 0 && before != static_cast<uint8_t>(entry.emulatedKey)) Release(before, ev);
    }
    Press(entry.emulatedKey, ev);
    SetSynthModifierDown(state_.synthModifiers, p, true);
    return true;
  }
  // The key pressed for it is the one to release, even if the assignment
  // has changed since; it is released below or by the continuation.
  const uint8_t pressed = p < emulatedFor_.size() ? std::exchange(emulatedFor_[p], 0) : 0;
  const Vk e = pressed != 0 ? pressed : entry.emulatedKey;
  const KeyRecord previous = ring_.Previous();
  const bool previousReleased = IsKeyUpFlags(previous.flags);
  // The waits below happen on the hook's thread after the hook has returned:
  // a hook that blocks is skipped, and in the end removed, by Windows.
  if (InComboKeySet(previous.vk)) {
    ShiftTap(ev);
    Release(e, ev);
    // Alt+F4 through the emulated key: the Alt release was swallowed too.
    if (IsAlt(ev.vkCode) && previous.vk == vk::F4) Release(ev.vkCode, ev);
  } else if (previous.vk == vk::Cancel && IsCtrl(ev.vkCode) && previousReleased) {
    Press(vk::Pause, ev);
    Release(vk::Pause, ev);
    input_.RunLater(kAfterBreakDelayMs, [this, ev, e] {
      ShiftTap(ev);
      Release(e, ev);
    });
  } else if (previous.vk == vk::U && previousReleased) {
    input_.StartUtilityManager();
    input_.RunLater(kAfterUtilityManagerDelayMs, [this, ev, e] {
      ShiftTap(ev);
      Release(e, ev);
      clearPreviousKey_ = true;
    });
  } else if (previous.vk == vk::L && previousReleased) {
    input_.LockWorkStation();
    ShiftTap(ev);
    Release(e, ev);
  } else {
    ReleaseWindowsKeyPlain(ev, e);
  }
  SetSynthModifierDown(state_.synthModifiers, p, false);
  return true;
}

// Release after no recognised combination: let go of whatever the physical
// key stood for and of the Ctrl that AltGr brought along.
void KeyboardHookEngine::ReleaseWindowsKeyPlain(const KeyEvent& ev, Vk windowsKey) {
  const Vk key = ev.vkCode;
  if (IsCtrl(key)) Release(key, ev);
  const bool altGr = key == vk::RMenu && altGrCtrlSwallowed_;
  const bool releaseAltGrCtrl = IsAlt(key) && std::exchange(altGrCtrlSwallowed_, false);
  if (altGr) {
    const KeyRecord twoBack = history_.twoBack;
    if (twoBack.vk == vk::U && IsKeyUpFlags(twoBack.flags)) {
      input_.StartUtilityManager();
      input_.RunLater(kAfterUtilityManagerDelayMs, [this, ev, windowsKey, releaseAltGrCtrl] {
        ShiftTap(ev);
        Release(windowsKey, ev);
        startCountdown_ = true;
        ReleaseHeldKeysAndWindowsKey(ev, windowsKey, releaseAltGrCtrl);
      });
      return;
    }
    if ((InComboKeySet(twoBack.vk) && twoBack.vk != vk::Packet) || ring_.Previous().vk == vk::Packet) {
      ShiftTap(ev);
      Release(windowsKey, ev);
    }
  }
  ReleaseHeldKeysAndWindowsKey(ev, windowsKey, releaseAltGrCtrl);
}

void KeyboardHookEngine::ReleaseHeldKeysAndWindowsKey(const KeyEvent& ev, Vk windowsKey, bool releaseAltGrCtrl) {
  const Vk key = ev.vkCode;
  if (IsAlt(key)) {
    Release(key, ev);
    if (releaseAltGrCtrl) Release(vk::LControl, ev);
  }
  if (IsShift(key)) Release(key, ev);
  Release(windowsKey, ev);
}

// The Application key acts on release, as a tap, unless a combination key
// was pressed while the physical key was held.
bool KeyboardHookEngine::EmulateApplicationKey(const KeyEvent& ev, KeyRemap entry) {
  const Vk p = entry.physicalKey;
  if (!IsKeyUp(ev)) {
    SetSynthModifierDown(state_.synthModifiers, p, true);
  } else {
    const bool altGr = ev.vkCode == vk::RMenu && altGrCtrlSwallowed_;
    const bool combination = InComboKeySetWithDigits(ring_.Previous().vk) ||
                             (altGr && InComboKeySetWithDigits(history_.twoBack.vk));
    if (!combination) {
      Press(entry.emulatedKey, ev);
      Release(entry.emulatedKey, ev);
    }
    if (altGr) altGrCtrlSwallowed_ = false;
    SetSynthModifierDown(state_.synthModifiers, p, false);
  }
  // A Shift key keeps working as Shift.
  return !IsShift(p);
}

}  // namespace tavel
