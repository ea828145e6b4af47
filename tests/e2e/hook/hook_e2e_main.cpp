// The hook library in use, as the monitor uses it: linked by ordinal, hook
// installed with a hidden window of this process, settings loaded from a
// seeded registry. Then a second process changes the shared state, and keys
// typed on the X display (by run_hook_e2e.sh, into the visible window this
// program opens) come out remapped. An observer hook installed before ours
// sees what our hook lets through and injects. Escape ends the run.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "check.h"
#include "export_wiring.h"
#include "hook/tavelhook_api.h"
#include "key_observer.h"
#include "seeded_settings.h"

namespace {

constexpr UINT kWmAssignedKey = 0x8001;
constexpr DWORD kRunTimeoutMs = 60000;

struct AssignedKey {
  WPARAM message;
  LPARAM actionCode;
};
std::vector<AssignedKey> g_assigned;

LRESULT CALLBACK MonitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmAssignedKey) {
    g_assigned.push_back({wParam, lParam});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateWindowOfClass(const char* className, const char* title, DWORD style, WNDPROC proc) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, className, title, style, 100, 100, 400, 200, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

std::string ExeBeside(const char* name) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

DWORD RunSecondProcess(const std::string& argument) {
  std::string command = "\"" + ExeBeside("tavelhook_e2e_second.exe") + "\" " + argument;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 100;
  }
  WaitForSingleObject(process.hProcess, 30000);
  DWORD exitCode = 101;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

void CheckSharedState() {
  tavel::ExtKbMap extKb{};
  GetExtKbMap(&extKb);
  Check(extKb.entries[tavel::kExtStandby].firstKey == tavel::vk::RControl &&
            extKb.entries[tavel::kExtStandby].secondKey == tavel::vk::F4,
        "the loaded external-keyboard map holds right Ctrl + F4 for standby");

  Check(SetSymbStatus(7) == ERROR_SUCCESS, "SetSymbStatus(7)");
  DWORD second = RunSecondProcess("7");
  Check(second == 0, "second process: sees our value, sets its own, removes a hook on a "
                     "desktop without one (exit " + std::to_string(second) + ")");
  DWORD keySens = 0;
  GetKeySensStatus(&keySens);
  Check(keySens == 2, "the second process's SetKeySensStatus(2) is seen here");
  SetSymbStatus(0);
  // The status stays 2 (a key test running) for the first right-Alt press.
}

// A user without settings gets the first-run defaults from the first process
// that loads the library, in the registry and in the shared records.
void CheckFirstRun() {
  RemoveSettings();
  const tavel::VrKbMap other{{{tavel::vk::RControl, tavel::vk::LWin}, {0, 0}}};
  SetVrKbMap(&other);
  RemoveSettings();  // the Set above wrote the VrKb key again
  Check(RunSecondProcess("--load-only") == 0, "a process loads the library for a new user");
  HKEY key = nullptr;
  tavel::VrKbMap stored{};
  DWORD size = sizeof(stored);
  bool written = RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Norvik\\Tavel\\DataV1_1\\VrKb", 0,
                               KEY_READ, &key) == ERROR_SUCCESS &&
                 RegQueryValueExA(key, "Mapdata", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(&stored), &size) == ERROR_SUCCESS;
  if (key) RegCloseKey(key);
  Check(written && stored.entries[0].physicalKey == tavel::vk::RMenu,
        "first run: the default notebook map is in the registry");
  tavel::VrKbMap shared{};
  GetVrKbMap(&shared);
  Check(shared.entries[0].physicalKey == tavel::vk::RMenu &&
            shared.entries[0].emulatedKey == tavel::vk::LWin,
        "first run: the default notebook map is in the shared state");
}

// Pumps messages until the observer sees Escape released, or the time is up.
// The first right-Alt release ends the stand-aside phase: from then on the
// hook applies the assignments again.
std::vector<ObservedKey> RunUntilEscape() {
  std::vector<ObservedKey> seen;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < kRunTimeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    for (const ObservedKey& key : TakeObservedKeys()) {
      seen.push_back(key);
      if (key.vk == VK_RMENU && IsUp(key) && !IsInjected(key)) SetKeySensStatus(1);
      if (key.vk == VK_ESCAPE && IsUp(key)) return seen;
    }
  }
  std::printf("timed out waiting for Escape\n");
  return seen;
}

bool Seen(const std::vector<ObservedKey>& keys, DWORD vk, bool up, bool injected) {
  for (const ObservedKey& key : keys) {
    if (key.vk == vk && IsUp(key) == up && IsInjected(key) == injected) return true;
  }
  return false;
}

bool SeenDown(const std::vector<ObservedKey>& keys, DWORD vk) {
  for (const ObservedKey& key : keys) {
    if (key.vk == vk && !IsUp(key)) return true;
  }
  return false;
}

void CheckKeys(const std::vector<ObservedKey>& seen) {
  for (const ObservedKey& key : seen) std::printf("  observed vk %02lX flags %02lX\n",
                                                  static_cast<unsigned long>(key.vk),
                                                  static_cast<unsigned long>(key.flags));
  // Right Alt alone, typed twice before right Ctrl: first while the hook
  // stands aside, then with the assignments in force.
  std::vector<ObservedKey> asidePart, altPart;
  bool aside = true;
  for (const ObservedKey& key : seen) {
    if (key.vk == VK_RCONTROL) break;
    (aside ? asidePart : altPart).push_back(key);
    if (key.vk == VK_RMENU && IsUp(key) && !IsInjected(key)) aside = false;
  }
  Check(Seen(asidePart, VK_RMENU, false, false) && !Seen(asidePart, VK_LWIN, false, true),
        "status 2 set by another process: right Alt passes unchanged");
  Check(Seen(altPart, VK_LWIN, false, true), "right Alt: injected left-Windows down");
  Check(Seen(altPart, VK_LWIN, true, true), "right Alt: injected left-Windows up");
  Check(!SeenDown(altPart, VK_RMENU), "right Alt: no right-Alt down gets through");

  bool standby = false;
  for (const AssignedKey& assigned : g_assigned) {
    std::printf("  WM_ASSIGNED_KEY wParam %llX action %lld\n",
                static_cast<unsigned long long>(assigned.message),
                static_cast<long long>(assigned.actionCode));
    standby |= assigned.actionCode == tavel::kExtStandby && assigned.message == WM_KEYDOWN;
  }
  Check(standby, "right Ctrl + F4: WM_ASSIGNED_KEY with action 4 reaches the monitor window");
  Check(!SeenDown(seen, VK_F4), "right Ctrl + F4: the F4 key-down is swallowed");
}

}  // namespace

int main() {
  Check(SeedSettings(), "seed the user's settings");
  HWND monitor = CreateWindowOfClass("TavelhookE2EMonitor", "", WS_POPUP, MonitorProc);
  Check(StartKeyObserver(), "observer hook installed");
  Check(InstallKeyboardHook(monitor) != nullptr, "InstallKeyboardHook");
  Check(LoadAll(), "every Load operation returns 0");
  CheckExportWiring();
  CheckSharedState();

  // The visible window appears last: its title tells the script we are ready.
  HWND visible = CreateWindowOfClass("TavelhookE2EInput", "Tavelhook e2e",
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, DefWindowProcA);
  SetForegroundWindow(visible);
  std::fflush(stdout);
  CheckKeys(RunUntilEscape());

  Check(RemoveKeyboardHook() != FALSE, "RemoveKeyboardHook of the installed hook");
  CheckFirstRun();
  StopKeyObserver();
  RemoveSettings();
  std::printf("%d failure(s)\n", CheckFailures());
  return CheckFailures() == 0 ? 0 : 1;
}
