#include "platform/win32/file_system_win32.h"

#include <windows.h>

namespace tavel {

bool Win32FileSystem::Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::Delete(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD protection = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if ((attributes & protection) &&
      !SetFileAttributesW(path.c_str(), attributes & ~protection & ~FILE_ATTRIBUTE_NORMAL)) {
    return false;
  }
  return DeleteFileW(path.c_str()) != FALSE;
}

bool Win32FileSystem::Write(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool Win32FileSystem::MakeReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         SetFileAttributesW(path.c_str(), (attributes & ~FILE_ATTRIBUTE_NORMAL) |
                                              FILE_ATTRIBUTE_READONLY);
}

}  // namespace tavel
