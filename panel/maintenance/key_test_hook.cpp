#include "panel/maintenance/key_test_hook.h"

#include <vector>

#include "panel/win32/hook_library_calls.h"

namespace tavel::panel {
namespace {

// When a recognised key was pressed and judged, until the page shows it.
struct RecognisedKey {
  DWORD eventTime;
  LONGLONG judgedAt;  // performance counter
};

// One key test runs at a time in the program; a low-level hook procedure
// has no context of its own, so this is what it works with.
struct KeyTestHookState {
  HHOOK hook = nullptr;
  HWND target = nullptr;
  KeyTestTable* table = nullptr;
  static constexpr size_t kPending = 64;  // far more than can queue up
  RecognisedKey pending[kPending] = {};
  size_t recognised = 0;
  size_t shown = 0;
  std::vector<ShownDelay> delays;
};
KeyTestHookState state;

constexpr size_t kMaxDelays = 4096;

LONGLONG PerformanceCounter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

LRESULT CALLBACK KeyTestHookProc(int code, WPARAM message, LPARAM lParam) {
  if (code == HC_ACTION && state.table) {
    const auto* raw = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    KeyEvent ev{};
    ev.message = static_cast<uint32_t>(message);
    ev.vkCode = raw->vkCode;
    ev.flags = raw->flags;
    ev.time = raw->time;
    switch (state.table->Judge(ev)) {
      case KeyTestVerdict::PassOn:
        break;
      case KeyTestVerdict::Recognised:
        state.pending[state.recognised++ % KeyTestHookState::kPending] = {raw->time,
                                                                          PerformanceCounter()};
        PostMessageW(state.target, WM_KEY_RECOGNIZED, message, raw->vkCode);
        return 1;
      case KeyTestVerdict::Swallow:
        return 1;
    }
  }
  return CallNextHookEx(state.hook, code, message, lParam);
}

}  // namespace

bool Win32KeyTestHook::InstallHook(KeyTestTable& table) {
  state.table = &table;
  state.target = target_;
  state.recognised = state.shown = 0;
  state.delays.clear();
  state.hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyTestHookProc, GetModuleHandleW(nullptr), 0);
  if (!state.hook) state.table = nullptr;
  return state.hook != nullptr;
}

void Win32KeyTestHook::RemoveHook() {
  if (state.hook) UnhookWindowsHookEx(state.hook);
  state.hook = nullptr;
  state.table = nullptr;
}

void Win32KeyTestHook::HandStatusToHookLibrary(uint32_t status) { CallSetKeySensStatus(status); }

void Win32KeyTestHook::NoteKeyShown() {
  if (state.shown == state.recognised) return;
  const RecognisedKey& key = state.pending[state.shown++ % KeyTestHookState::kPending];
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const LONGLONG sinceJudged = PerformanceCounter() - key.judgedAt;
  if (state.delays.size() < kMaxDelays) {
    state.delays.push_back({GetTickCount() - key.eventTime,
                            static_cast<uint32_t>(sinceJudged * 1000000 / frequency.QuadPart)});
  }
}

std::optional<ShownDelay> Win32KeyTestHook::Delay(size_t index) const {
  if (index >= state.delays.size()) return std::nullopt;
  return state.delays[index];
}

}  // namespace tavel::panel
