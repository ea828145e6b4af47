#include "platform/win32/system_directory_win32.h"

namespace tavel {

std::string SystemFilePath(const char* fileName) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(folder, length) + "\\" + fileName;
}

bool StartSystemProgram(const char* fileName, const char* arguments, UINT showCommand) {
  const std::string path = SystemFilePath(fileName);
  if (path.empty()) return false;
  std::string command = "\"" + path + "\"";
  if (*arguments) command += std::string(" ") + arguments;
  return WinExec(command.c_str(), showCommand) > 31;
}

}  // namespace tavel
