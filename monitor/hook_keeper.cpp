#include "monitor/hook_keeper.h"

#include <string>

#include "monitor/monitor_messages.h"

namespace tavel {

void HookKeeper::Watch(WindowHandle self) {
  self_ = self;
  hookCallsSeen_ = hook_.HookCalls();
  events_.WatchSession(self);
  events_.WatchRawKeyboard(self);
}

// Locking: the releases of keys held now go to the secure desktop, so they
// are let go of here. Unlocking: the hook may not have survived.
void HookKeeper::OnSessionChange(uintptr_t event) {
  if (event == WTS_SESSION_LOCK_EVENT) Reinstall("session locked");
  if (event == WTS_SESSION_UNLOCK_EVENT) Reinstall("session unlocked");
}

void HookKeeper::OnPowerBroadcast(uintptr_t event) {
  if (event == PBT_APMRESUMESUSPEND_EVENT || event == PBT_APMRESUMEAUTOMATIC_EVENT) {
    Reinstall("resumed from sleep");
  }
}

// A key event opens a span, unless one is open; the timer closes it.
void HookKeeper::OnRawInput(intptr_t rawInput) {
  if (self_ == 0 || !events_.IsKeyboardEvent(rawInput)) return;
  ++rawEvents_;
  if (checking_) return;
  checking_ = true;
  timers_.Arm(IDT_CHECK_HOOK, kCheckSpanMs);
}

void HookKeeper::OnCheckTimer() {
  timers_.Kill(IDT_CHECK_HOOK);
  checking_ = false;
  const uint32_t calls = hook_.HookCalls();
  const bool hookSilent = calls == hookCallsSeen_;
  const uint32_t missed = rawEvents_;
  hookCallsSeen_ = calls;
  rawEvents_ = 0;
  if (hookSilent && missed >= kMissedEventsForReinstall) Reinstall("the hook missed key events");
}

void HookKeeper::Reinstall(const char* why) {
  if (stoodDown_) return;
  hook_.RemoveKeyboardHook();
  hook_.InstallKeyboardHook(self_);
  hookCallsSeen_ = hook_.HookCalls();
  processes_.DebugOutput((std::string("Tavelmon: keyboard hook installed again: ") + why + "\n").c_str());
}

}  // namespace tavel
