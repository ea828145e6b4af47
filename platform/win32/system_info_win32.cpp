#include "platform/win32/system_info_win32.h"

#include <windows.h>

namespace tavel {

uint32_t Win32SystemInfo::SystemDefaultLcid() { return GetSystemDefaultLCID(); }

PlatformFamily Win32SystemInfo::Platform() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return PlatformFamily::Other;
#pragma GCC diagnostic pop
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT:
      return PlatformFamily::WindowsNt;
    case VER_PLATFORM_WIN32_WINDOWS:
      return PlatformFamily::Windows9x;
    default:
      return PlatformFamily::Other;
  }
}

bool Win32SystemInfo::IsWow64Process() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  const LibraryHandle kernel = loader_.LoadSystemLibrary("kernel32.dll");
  if (kernel == 0) return false;
  BOOL wow64 = FALSE;
  if (auto query = reinterpret_cast<IsWow64ProcessFn>(loader_.Resolve(kernel, "IsWow64Process"))) {
    if (!query(GetCurrentProcess(), &wow64)) wow64 = FALSE;
  }
  loader_.Free(kernel);
  return wow64 != FALSE;
}

}  // namespace tavel
