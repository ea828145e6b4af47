#include "platform/win32/user_shell_win32.h"

#include <windows.h>

#include "platform/win32/start_program_win32.h"
#include "platform/win32/system_directory_win32.h"

namespace tavel {
namespace {

constexpr int kPersonalFolder = 5;  // CSIDL_PERSONAL: the user's documents
using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, wchar_t*);

}  // namespace

// The folder function comes from the system directory's shfolder.dll and is
// bound for this one call.
std::optional<std::wstring> Win32UserShell::DocumentsFolder() {
  const std::string library = SystemFilePath("shfolder.dll");
  HMODULE module = library.empty() ? nullptr : LoadLibraryA(library.c_str());
  if (!module) return std::nullopt;
  std::optional<std::wstring> folder;
  auto getFolderPath = reinterpret_cast<GetFolderPathFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "SHGetFolderPathW")));
  wchar_t path[MAX_PATH] = {};
  if (getFolderPath && SUCCEEDED(getFolderPath(nullptr, kPersonalFolder, nullptr, 0, path))) {
    folder = path;
  }
  FreeLibrary(module);
  return folder;
}

std::wstring Win32UserShell::TemporaryFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  return length > 0 && length <= MAX_PATH ? std::wstring(path, length) : std::wstring();
}

// Notepad from the Windows folder by its full path, never one found on the
// search path.
bool Win32UserShell::OpenInNotepad(const std::wstring& file) {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  return StartProgramAt(std::wstring(windows, length) + L"\\notepad.exe", L"\"" + file + L"\"",
                        SW_SHOWNORMAL);
}

}  // namespace tavel
