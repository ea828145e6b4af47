#include "platform/win32/system_program_win32.h"

#include <string>

namespace tavel {

bool StartSystemProgram(const char* fileName, const char* arguments, UINT showCommand) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  std::string command = std::string("\"") + folder + "\\" + fileName + "\"";
  if (*arguments) command += std::string(" ") + arguments;
  return WinExec(command.c_str(), showCommand) > 31;
}

}  // namespace tavel
