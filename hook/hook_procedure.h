// The low-level keyboard hook's decisions, free of Win32: filters brief key
// presses, turns key combinations into actions for the monitor, and lets a
// notebook key act as the Windows or Application key by injecting events.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "common/records.h"
#include "hook/key_event.h"
#include "hook/key_event_log.h"
#include "hook/press_duration_filter.h"
#include "hook/shared_hook_state.h"
#include "platform/key_input.h"

namespace tavel {

class KeyboardHookEngine {
 public:
  // Both must outlive the engine; the engine must outlive every continuation
  // it hands to input.RunLater.
  KeyboardHookEngine(SharedHookState& state, KeyInput& input);

  // Applies every rule to one event. Returns true when the event is to be
  // swallowed; otherwise the event, possibly rewritten in place, goes on.
  // Re-entrant: events injected from here come back through Process.
  bool Process(KeyEvent& ev);

  // Lets go of everything the engine holds: every key it injected as
  // pressed is injected as released, and no taken-over key stays marked as
  // held. For when releases may have been lost: the session was locked (the
  // secure desktop takes the keys) or the hook was out of the chain.
  void ReleaseInjectedKeys();

  // Whether an assignment will take this event, so the press-duration filter
  // must leave it alone.
  bool KeyClaimedByAssignment(const KeyEvent& ev) const;

  // Whether the first key of a combination counts as held down.
  bool ModifierHeld(Vk firstKey) const;

 private:
  bool ApplyRules(KeyEvent& ev);
  void LetGoOf(Vk physicalKey, const KeyEvent& release);
  bool FilterPressDuration(KeyEvent& ev);
  void Record(const KeyEvent& ev);
  void TrackKoreanKeys(const KeyEvent& ev);
  void Housekeeping();
  bool WindowsUGuard(const KeyEvent& ev) const;
  void ReleaseHeldAltOrShift(const KeyEvent& ev);
  bool SpecialCharacters(const KeyEvent& ev);
  bool ExternalKeyboardFunctions(const KeyEvent& ev);
  bool BrowserKeysDisabled(const KeyEvent& ev) const;
  bool NotebookEjectAndVolume(KeyEvent& ev);
  bool SwallowAltGrCtrl(const KeyEvent& ev);
  void AdjustKoreanKeys(KeyEvent& ev) const;
  bool EmulateKeys(const KeyEvent& ev);

  // The emulated Windows key (entry 0) and Application key (entry 1).
  bool EmulateWindowsKey(const KeyEvent& ev, KeyRemap entry);
  void ReleaseWindowsKeyPlain(const KeyEvent& ev, Vk windowsKey);
  void ReleaseHeldKeysAndWindowsKey(const KeyEvent& ev, Vk windowsKey, bool releaseAltGrCtrl);
  bool EmulateApplicationKey(const KeyEvent& ev, KeyRemap entry);

  // Injection: the flags and extra info come from the event being processed.
  void Press(Vk key, const KeyEvent& ev);
  void Release(Vk key, const KeyEvent& ev);
  void ShiftTap(const KeyEvent& ev);

  // First entry whose second key is the event's key and whose first key is
  // held; -1 when none.
  int MatchExtKb(const KeyEvent& ev) const;
  int MatchVrKbBrw(const KeyEvent& ev) const;

  // The configuration program's key test is running: no filter and no
  // assignment applies.
  bool KeyTestRunning() const { return state_.keySensStatus == kKeySensKeyTestRunning; }

  SharedHookState& state_;
  KeyInput& input_;
  PressDurationFilter pressFilter_;
  KeyEventRing ring_;
  KeyEventHistory history_;
  bool altGrCtrlSwallowed_ = false;
  bool clearPreviousKey_ = false;
  uint32_t historyCountdown_ = 0;
  bool startCountdown_ = false;
  // Keys injected as pressed and not yet released, and for each physical key
  // acting as the Windows key the key pressed in its place. A release that
  // the rules no longer handle (settings changed while the key was held, or
  // an earlier rule took the release) still lets go of them.
  std::bitset<256> injectedDown_;
  std::array<uint8_t, 256> emulatedFor_{};
  // Set while the volume key injected for a notebook combination comes back,
  // so that a combination naming that same key cannot recurse without end.
  bool injectingVolumeKey_ = false;
};

}  // namespace tavel
