#include "hook/shared_state_mapping.h"

#include <windows.h>
#include <sddl.h>

#include <memory>
#include <string>

namespace tavel {
namespace {

enum : LONG { kUntouched = 0, kInitialising = 1, kReady = 2 };

// The mapped block: a word that orders the first initialisation, then the
// state. Every field is a 32-bit word, so 32- and 64-bit processes of the
// same user share one layout.
struct SharedBlock {
  volatile LONG initState;
  SharedHookState state;
};

HANDLE g_mapping = nullptr;
SharedBlock* g_block = nullptr;
SharedHookState g_privateState = InitialSharedHookState();
SharedHookState* g_state = &g_privateState;

struct LocalFreeDeleter {
  void operator()(void* p) const { LocalFree(p); }
};

// The user of this process's token, as a copy the caller frees with LocalFree.
PSID CurrentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return nullptr;
  BYTE buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  PSID copy = nullptr;
  if (GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &size)) {
    PSID sid = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    DWORD length = GetLengthSid(sid);
    copy = LocalAlloc(LMEM_FIXED, length);
    if (copy && !CopySid(length, copy, sid)) {
      LocalFree(copy);
      copy = nullptr;
    }
  }
  CloseHandle(token);
  return copy;
}

// True when the existing object's owner is `user`: a block that another
// account created under our name (to watch or steer this user's keyboard) is
// refused.
bool OwnedBy(HANDLE object, PSID user) {
  BYTE buffer[SECURITY_MAX_SID_SIZE + 64];
  auto* descriptor = reinterpret_cast<PSECURITY_DESCRIPTOR>(buffer);
  DWORD needed = 0;
  if (!GetKernelObjectSecurity(object, OWNER_SECURITY_INFORMATION, descriptor, sizeof(buffer),
                               &needed)) {
    return false;
  }
  PSID owner = nullptr;
  BOOL defaulted = FALSE;
  return GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) && owner &&
         EqualSid(owner, user);
}

// Creates the block, or opens the one this user's first process created.
// The name is session-local and carries the user, so two accounts in one
// session (run as another user) get separate blocks; the descriptor makes the
// user its owner and the only one allowed to map it.
HANDLE CreateOrOpenBlock(PSID user) {
  char* sidText = nullptr;
  if (!ConvertSidToStringSidA(user, &sidText)) return nullptr;
  // Joined as strings: a formatting function would bring a whole printf into the library.
  const std::string sid = sidText;
  LocalFree(sidText);
  const std::string name = "Local\\Tavelhook.SharedHookState." + sid;
  const std::string sddl = "O:" + sid + "D:P(A;;GA;;;" + sid + ")";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return nullptr;
  }
  std::unique_ptr<void, LocalFreeDeleter> release(descriptor);
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0,
                                      sizeof(SharedBlock), name.c_str());
  if (mapping && GetLastError() == ERROR_ALREADY_EXISTS && !OwnedBy(mapping, user)) {
    CloseHandle(mapping);
    return nullptr;
  }
  return mapping;
}

void WriteInitialValues(SharedBlock* block) {
  block->state = InitialSharedHookState();
  InterlockedExchange(&block->initState, kReady);
}

// Exactly one process writes the initial values; the others wait until it
// has, so nobody ever reads a half-initialised state. Writing them takes
// microseconds: a first process that has not finished after a second has
// died on the way, and the waiter writes them itself rather than hang in
// the loader.
void InitialiseOnce(SharedBlock* block) {
  constexpr DWORD kGiveUpMs = 1000;
  if (InterlockedCompareExchange(&block->initState, kInitialising, kUntouched) == kUntouched) {
    WriteInitialValues(block);
    return;
  }
  DWORD start = GetTickCount();
  while (InterlockedCompareExchange(&block->initState, kReady, kReady) != kReady) {
    if (GetTickCount() - start >= kGiveUpMs) {
      WriteInitialValues(block);
      return;
    }
    Sleep(1);
  }
}

}  // namespace

void AttachSharedHookState() {
  if (g_block) return;
  std::unique_ptr<void, LocalFreeDeleter> user(CurrentUserSid());
  if (!user) return;
  HANDLE mapping = CreateOrOpenBlock(user.get());
  if (!mapping) return;
  auto* block = static_cast<SharedBlock*>(
      MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(SharedBlock)));
  if (!block) {
    CloseHandle(mapping);
    return;
  }
  InitialiseOnce(block);
  g_mapping = mapping;
  g_block = block;
  g_state = &block->state;
}

void DetachSharedHookState() {
  if (!g_block) return;
  g_state = &g_privateState;
  UnmapViewOfFile(g_block);
  CloseHandle(g_mapping);
  g_block = nullptr;
  g_mapping = nullptr;
}

SharedHookState& TheSharedHookState() { return *g_state; }

}  // namespace tavel
