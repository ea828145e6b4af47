#include "platform/win32/device_io_win32.h"

#include <windows.h>

namespace tavel {

DeviceHandle Win32DeviceIo::Open(const char* name, uint32_t flags) {
  HANDLE device = CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags,
                              nullptr);
  return device == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<DeviceHandle>(device);
}

bool Win32DeviceIo::Control(DeviceHandle device, uint32_t code, uint32_t input,
                            uint32_t* output) {
  DWORD in = input;
  DWORD out = 0;
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(reinterpret_cast<HANDLE>(device), code, &in, sizeof in, &out,
                                  sizeof out, &returned, nullptr);
  *output = out;
  return ok != FALSE;
}

void Win32DeviceIo::Close(DeviceHandle device) { CloseHandle(reinterpret_cast<HANDLE>(device)); }

}  // namespace tavel
