#include "key_observer.h"

#include <utility>

namespace {

HHOOK g_hook = nullptr;
std::vector<ObservedKey> g_seen;

LRESULT CALLBACK Observe(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
    g_seen.push_back({key.vkCode, key.flags});
  }
  return CallNextHookEx(g_hook, code, message, event);
}

}  // namespace

bool StartKeyObserver() {
  g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, Observe, GetModuleHandleA(nullptr), 0);
  return g_hook != nullptr;
}

void StopKeyObserver() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
}

std::vector<ObservedKey> TakeObservedKeys() { return std::exchange(g_seen, {}); }
