// Ordinals 10 to 12: installing and removing the low-level keyboard hook, and
// the hook procedure around the portable engine.
#include "hook/keyboard_hook_win32.h"

#include "hook/desktop_kind.h"
#include "hook/hook_procedure.h"
#include "hook/monitor_notices.h"
#include "hook/shared_state_mapping.h"
#include "hook/tavelhook_api.h"
#include "platform/win32/key_input_win32.h"

namespace tavel {
namespace {

HINSTANCE g_module = nullptr;
HHOOK g_currentHook = nullptr;
// Key events the hook procedure was called for in this process; read by the
// monitor through the window property kHookCallsProperty.
volatile uint32_t g_hookCalls = 0;

// User handles are 32-bit significant on 64-bit Windows too, so the shared
// state keeps them as 32-bit words whatever the bitness of the process.
uint32_t HandleWord(void* handle) { return static_cast<uint32_t>(HandleToLong(handle)); }
template <class Handle>
Handle WordHandle(uint32_t word) {
  return static_cast<Handle>(LongToHandle(static_cast<LONG>(word)));
}

size_t CurrentSlot() { return DesktopSlot(CurrentDesktopKind()); }

KeyboardHookEngine& Engine() {
  static Win32KeyInput input([] {
    return WordHandle<HWND>(TheSharedHookState().monitorWindows[CurrentSlot()]);
  });
  static KeyboardHookEngine engine(TheSharedHookState(), input);
  return engine;
}

KeyEvent EventOf(WPARAM message, const KBDLLHOOKSTRUCT& hook) {
  return KeyEvent{static_cast<uint32_t>(message), hook.vkCode, hook.scanCode, hook.flags,
                  hook.time, hook.dwExtraInfo};
}

}  // namespace

void AdoptDesktopHook(HINSTANCE module) {
  g_module = module;
  g_currentHook = WordHandle<HHOOK>(TheSharedHookState().hooks[CurrentSlot()]);
}

}  // namespace tavel

using namespace tavel;

HHOOK __stdcall InstallKeyboardHook(HWND monitorWindow) {
  // Whatever the hook held may have lost its release while the hook was out
  // of the chain (or its process ended): let go of it before starting anew.
  Engine().ReleaseInjectedKeys();
  HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, g_module, 0);
  SetPropA(monitorWindow, kHookCallsProperty,
           reinterpret_cast<HANDLE>(const_cast<uint32_t*>(&g_hookCalls)));
  SharedHookState& state = TheSharedHookState();
  size_t slot = CurrentSlot();
  state.hooks[slot] = HandleWord(hook);
  state.monitorWindows[slot] = HandleWord(monitorWindow);
  g_currentHook = hook;
  return hook;
}

BOOL __stdcall RemoveKeyboardHook() {
  // The slot keeps its handle: a later install on this desktop overwrites it.
  return UnhookWindowsHookEx(WordHandle<HHOOK>(TheSharedHookState().hooks[CurrentSlot()]));
}

LRESULT __stdcall KeyboardHookProc(int code, WPARAM message, LPARAM event) {
  if (code != HC_ACTION) return CallNextHookEx(g_currentHook, code, message, event);
  g_hookCalls = g_hookCalls + 1;
  auto& hook = *reinterpret_cast<KBDLLHOOKSTRUCT*>(event);
  KeyEvent ev = EventOf(message, hook);
  bool swallow = Engine().Process(ev);
  // The engine may rewrite the event; the next hook sees the new values.
  hook.vkCode = ev.vkCode;
  hook.scanCode = ev.scanCode;
  hook.flags = ev.flags;
  if (swallow) return 1;
  return CallNextHookEx(g_currentHook, code, message, event);
}
