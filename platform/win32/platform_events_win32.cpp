#include "platform/win32/platform_events_win32.h"

#include <windows.h>

namespace tavel {

namespace {

constexpr DWORD kNotifyForThisSession = 0;  // NOTIFY_FOR_THIS_SESSION
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

using RegisterSessionFn = BOOL(WINAPI*)(HWND, DWORD);
using RegisterRawInputFn = BOOL(WINAPI*)(const RAWINPUTDEVICE*, UINT, UINT);
using GetRawInputDataFn = UINT(WINAPI*)(HRAWINPUT, UINT, void*, UINT*, UINT);

// user32 is loaded in every program with a window.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

}  // namespace

// The library stays loaded: the registration lasts as long as the window.
bool Win32PlatformEvents::WatchSession(WindowHandle window) {
  const LibraryHandle wtsapi = loader_.LoadSystemLibrary("wtsapi32.dll");
  if (wtsapi == 0) return false;
  auto registerSession =
      reinterpret_cast<RegisterSessionFn>(loader_.Resolve(wtsapi, "WTSRegisterSessionNotification"));
  return registerSession && registerSession(reinterpret_cast<HWND>(window), kNotifyForThisSession);
}

bool Win32PlatformEvents::WatchRawKeyboard(WindowHandle window) {
  auto registerRawInput = User32Function<RegisterRawInputFn>("RegisterRawInputDevices");
  if (!registerRawInput) return false;
  RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK,
                          reinterpret_cast<HWND>(window)};
  return registerRawInput(&keyboard, 1, sizeof keyboard) != FALSE;
}

// Only the header is read: it tells the kind of device.
bool Win32PlatformEvents::IsKeyboardEvent(intptr_t rawInput) {
  static const auto getRawInputData = User32Function<GetRawInputDataFn>("GetRawInputData");
  if (!getRawInputData) return false;
  RAWINPUTHEADER header{};
  UINT size = sizeof header;
  if (getRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_HEADER, &header, &size,
                      sizeof header) == static_cast<UINT>(-1)) {
    return false;
  }
  return header.dwType == RIM_TYPEKEYBOARD;
}

}  // namespace tavel
