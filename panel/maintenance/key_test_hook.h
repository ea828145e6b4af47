// The key test on this system: KeyTestHookProc, the program's own low-level
// keyboard hook, reports each recognised key to the page, and the hook
// library hears of the test through its KeySensAsgnsStatus. The hook runs on
// the thread that installed it, inside its message loop, and reports by
// posting, so the page shows the name after the hook has returned.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "panel/maintenance/key_test.h"

namespace tavel::panel {

// To the page: wParam the hook's message, lParam the key.
inline constexpr UINT WM_KEY_RECOGNIZED = WM_APP + 2;

// How long a recognised key took to reach the screen: from the time stamp
// of its key event, and from the moment the hook judged it.
struct ShownDelay {
  uint32_t fromEventMs;
  uint32_t fromHookUs;
};

class Win32KeyTestHook : public KeyTestSystem {
 public:
  void SetTarget(HWND page) { target_ = page; }
  bool InstallHook(KeyTestTable& table) override;
  void RemoveHook() override;
  void HandStatusToHookLibrary(uint32_t status) override;

  // The oldest recognised key not yet shown is on screen now.
  void NoteKeyShown();
  // The delays of the keys shown since the hook was installed, oldest first.
  std::optional<ShownDelay> Delay(size_t index) const;

 private:
  HWND target_ = nullptr;
};

}  // namespace tavel::panel
