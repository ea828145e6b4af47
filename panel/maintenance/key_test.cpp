#include "panel/maintenance/key_test.h"

namespace tavel::panel {

void KeyTestTable::Fill(const SliderPositions& positions, bool browserKeysEnabled) {
  rows_ = KeySensMapOf(positions);
  browserKeysEnabled_ = browserKeysEnabled;
  // A key still held when the last test stopped must not count as pressed
  // since then.
  timer_ = PressDurationFilter{};
}

KeyTestVerdict KeyTestTable::Judge(const KeyEvent& ev) {
  for (const KeySensEntry& row : rows_.entries) {
    if (row.key != ev.vkCode) continue;
    // A key-up only stops the timer.
    if (timer_.Swallow(ev, row.minimumPressMs) || IsKeyUp(ev)) return KeyTestVerdict::Swallow;
    const bool browserKey = row.key == vk::BrowserBack || row.key == vk::BrowserForward;
    if (browserKey && !browserKeysEnabled_) return KeyTestVerdict::Swallow;
    return KeyTestVerdict::Recognised;
  }
  return KeyTestVerdict::PassOn;
}

bool KeyTest::Start(const SliderPositions& positions, bool browserKeysEnabled,
                    uint32_t savedStatus) {
  if (running_) return true;
  table_.Fill(positions, browserKeysEnabled);
  // The hook first: when it cannot be had, the hook library never stands
  // aside for a test that does not run.
  if (!system_.InstallHook(table_)) return false;
  running_ = true;
  savedKeySensStatus_ = savedStatus;
  system_.HandStatusToHookLibrary(kKeySensKeyTestRunning);
  return true;
}

void KeyTest::Stop() {
  if (!running_) return;
  running_ = false;
  system_.RemoveHook();
  system_.HandStatusToHookLibrary(savedKeySensStatus_);
}

}  // namespace tavel::panel
