#include "platform/win32/start_program_win32.h"

namespace tavel {

bool StartProgramAt(const std::wstring& program, const std::wstring& arguments, WORD show,
                    StartWait wait, DWORD limitMs) {
  if (program.empty()) return false;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  if (wait == StartWait::InputIdle) WaitForInputIdle(process.hProcess, limitMs);
  if (wait == StartWait::Exit) WaitForSingleObject(process.hProcess, limitMs);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace tavel
