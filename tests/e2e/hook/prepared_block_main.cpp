// Another account that creates the shared block's name first (to read or
// steer this user's keyboard) must not get it used: the library then keeps a
// private state. The block is squatted here with an owner other than the
// user and every word set to 2, which would read as "initialised" and as
// key-test status 2 if the library took it.
// Exit code 0 when the library ignores the squatted block; 2 when this
// system would not create it (nothing proven); otherwise a failed check.
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "proc_address.h"

namespace {

constexpr DWORD kBlockBytes = 4096;

std::string UserSidText() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  BYTE buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  std::string text;
  char* sid = nullptr;
  if (GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &size) &&
      ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
    text = sid;
    LocalFree(sid);
  }
  CloseHandle(token);
  return text;
}

}  // namespace

int main() {
  std::string name = "Local\\Tavelhook.SharedHookState." + UserSidText();
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  // Owned by the local system account, open to everyone.
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("O:SYD:(A;;GA;;;WD)", SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return 2;
  }
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0,
                                      kBlockBytes, name.c_str());
  LocalFree(descriptor);
  if (!mapping || GetLastError() == ERROR_ALREADY_EXISTS) {
    std::printf("squat: could not create '%s' first (%lu)\n", name.c_str(), GetLastError());
    return 2;
  }
  auto* words = static_cast<DWORD*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  for (DWORD i = 0; i < kBlockBytes / 4; ++i) words[i] = 2;

  HMODULE library = LoadLibraryA("Tavelhook.dll");
  if (!library) return 10;
  auto getKeySensStatus = ProcByOrdinal<DWORD*(__stdcall*)(DWORD*)>(library, 29);
  auto getVrKbBrwStatus = ProcByOrdinal<DWORD*(__stdcall*)(DWORD*)>(library, 41);
  auto setVrKbBrwStatus = ProcByOrdinal<LONG(__stdcall*)(DWORD)>(library, 42);
  DWORD keySens = 0, browser = 0;
  getKeySensStatus(&keySens);
  setVrKbBrwStatus(7);
  getVrKbBrwStatus(&browser);
  bool untouched = true;
  for (DWORD i = 0; i < kBlockBytes / 4; ++i) untouched &= words[i] == 2;
  FreeLibrary(library);
  std::printf("squat: library reads key-test status %lu (initial 1), sets and reads back %lu; "
              "squatted block %s\n",
              keySens, browser, untouched ? "untouched" : "CHANGED");
  return keySens == 1 && browser == 7 && untouched ? 0 : 11;
}
