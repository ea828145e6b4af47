// How long an injected key takes to pass an observer hook with our hook in
// front of it, against a hook that only passes events on. Both fronts take
// turns over many rounds so that drift in the machine hits both alike. With
// assignments in force the key (F24, assigned to nothing) goes through every
// rule of our hook before it is passed on.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "hook/tavelhook_api.h"
#include "key_observer.h"
#include "seeded_settings.h"

namespace {

constexpr int kRounds = 40;
constexpr int kKeysPerRound = 100;
constexpr BYTE kProbeKey = VK_F24;

HHOOK g_passThrough = nullptr;

LRESULT CALLBACK PassThrough(int code, WPARAM message, LPARAM event) {
  return CallNextHookEx(g_passThrough, code, message, event);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Microseconds per key event (down or up) through both hooks.
double TimeRound(LARGE_INTEGER frequency) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kKeysPerRound; ++i) {
    keybd_event(kProbeKey, 0x76, 0, 0);
    keybd_event(kProbeKey, 0x76, KEYEVENTF_KEYUP, 0);
  }
  QueryPerformanceCounter(&end);
  return Seconds(start, end, frequency) * 1e6 / (2 * kKeysPerRound);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  if (!SeedSettings() || !StartKeyObserver()) return 2;
  if (LoadVrKbMap() || LoadVrKbStatus() || LoadExtKbMap() || LoadExtKbSettings() ||
      LoadKeySensMap() || LoadKeySensStatus()) {
    return 3;
  }
  HWND monitor = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> ours, passThrough;
  size_t expectedSeen = 0;
  for (int round = 0; round < kRounds; ++round) {
    g_passThrough = SetWindowsHookExA(WH_KEYBOARD_LL, PassThrough, GetModuleHandleA(nullptr), 0);
    passThrough.push_back(TimeRound(frequency));
    UnhookWindowsHookEx(g_passThrough);
    InstallKeyboardHook(monitor);
    ours.push_back(TimeRound(frequency));
    RemoveKeyboardHook();
    expectedSeen += 4 * kKeysPerRound;
  }
  size_t seen = TakeObservedKeys().size();
  StopKeyObserver();
  RemoveSettings();
  double ratio = Median(ours) / Median(passThrough);
  std::printf("observer saw %zu of %zu key events\n", seen, expectedSeen);
  std::printf("median per key event: pass-through front %.1f us, our hook in front %.1f us, "
              "ratio %.3f\n",
              Median(passThrough), Median(ours), ratio);
  return seen == expectedSeen ? 0 : 1;
}
