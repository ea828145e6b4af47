// Stands in for a library or program of the same name, planted where a
// careless loader would pick it up (the current folder, the search path).
// The moment it is loaded or started it leaves a file named after itself in
// C:\TavelMarkers, holding the path it was loaded from; the planting test
// looks for those files.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

void LeaveMark(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  const char* slash = std::strrchr(path, '\\');
  const std::string name = slash ? slash + 1 : path;
  CreateDirectoryA("C:\\TavelMarkers", nullptr);
  HANDLE mark = CreateFileA(("C:\\TavelMarkers\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(mark, path, static_cast<DWORD>(std::strlen(path)), &written, nullptr);
  CloseHandle(mark);
}

}  // namespace

#ifdef TAVEL_MARKER_LIBRARY
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) LeaveMark(module);
  return TRUE;
}
#else
int main() {
  LeaveMark(nullptr);
  return 0;
}
#endif
