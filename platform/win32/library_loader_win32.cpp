#include "platform/win32/library_loader_win32.h"

#include <windows.h>

#include "platform/win32/system_directory_win32.h"

namespace tavel {

LibraryHandle Win32LibraryLoader::LoadSystemLibrary(const char* fileName) {
  // A full path keeps the DLL search path (application folder, current
  // folder, PATH) out of it on every Windows version, including those
  // without LOAD_LIBRARY_SEARCH_SYSTEM32.
  const std::string path = SystemFilePath(fileName);
  return path.empty() ? 0 : LoadLibraryAt(path.c_str());
}

LibraryHandle Win32LibraryLoader::LoadLibraryAt(const char* path) {
  return reinterpret_cast<LibraryHandle>(LoadLibraryA(path));
}

ExportAddress Win32LibraryLoader::Resolve(LibraryHandle library, const char* exportName) {
  return reinterpret_cast<ExportAddress>(
      GetProcAddress(reinterpret_cast<HMODULE>(library), exportName));
}

void Win32LibraryLoader::Free(LibraryHandle library) {
  FreeLibrary(reinterpret_cast<HMODULE>(library));
}

}  // namespace tavel
