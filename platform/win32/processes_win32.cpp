#include "platform/win32/processes_win32.h"

#include "platform/win32/system_directory_win32.h"

#include <windows.h>

#include <memory>

namespace tavel {

namespace {

DWORD WINAPI RunWork(void* parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

bool Win32Processes::RunSystemProgram(const char* fileName, int showCommand) {
  return StartSystemProgram(fileName, "", static_cast<UINT>(showCommand));
}

bool Win32Processes::MutexExists(const char* name) {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
  if (mutex != nullptr) {
    CloseHandle(mutex);
    return true;
  }
  // A mutex we may not open exists all the same.
  return GetLastError() == ERROR_ACCESS_DENIED;
}

bool Win32Processes::StartThread(std::function<void()> work) {
  auto* parameter = new std::function<void()>(std::move(work));
  HANDLE thread = CreateThread(nullptr, 0, RunWork, parameter, 0, nullptr);
  if (thread == nullptr) {
    delete parameter;
    return false;
  }
  CloseHandle(thread);
  return true;
}

void Win32Processes::DebugOutput(const char* text) { OutputDebugStringA(text); }

// A thread of its own waits for the process: nothing is polled, and the
// thread ends with the process it watches.
bool Win32Processes::PostWhenEnded(uint32_t processId, uintptr_t window, uint32_t message) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (process == nullptr) return false;
  HWND target = reinterpret_cast<HWND>(window);
  const bool started = StartThread([process, target, message, processId] {
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
    PostMessageA(target, message, processId, 0);
  });
  if (!started) CloseHandle(process);
  return started;
}

}  // namespace tavel
