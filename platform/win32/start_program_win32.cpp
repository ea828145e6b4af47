#include "platform/win32/start_program_win32.h"

namespace tavel {

ProcessHandle StartProgram(const std::wstring& program, const std::wstring& arguments, WORD show) {
  if (program.empty()) return nullptr;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return ProcessHandle(process.hProcess);
}

}  // namespace tavel
