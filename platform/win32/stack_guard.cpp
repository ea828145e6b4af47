// The stack protector's guard word and failure routines, in place of those of
// the compiler's run-time library (libssp). libssp seeds the guard through
// CryptAcquireContext, which loads a cryptographic provider into every
// process at its start, in a DLL from inside DllMain, where loading a
// library risks a deadlock; each start of the 32-bit monitor under emulation
// took 0.3 s longer with it (1.6 s against 1.3 s). RtlGenRandom (advapi32's
// SystemFunction036) gives the same randomness without loading anything.
//
// Linked into every program and library of the Windows builds
// (cmake/hardening.cmake), and compiled without the stack protector itself:
// the constructor changes the guard that a protected function would check.
#include <windows.h>

#include <ntsecapi.h>

#include <cstdint>

namespace {

constexpr UINT kStackBufferOverrun = 0xC0000409;  // STATUS_STACK_BUFFER_OVERRUN

// A corrupted stack: nothing of the process can be trusted any more, so it
// ends at once, running no handler and no destructor.
[[noreturn]] void EndCorruptedProcess() {
  TerminateProcess(GetCurrentProcess(), kStackBufferOverrun);
  __builtin_unreachable();
}

}  // namespace

extern "C" {

// Read by every protected function on entry and checked on return.
uintptr_t __stack_chk_guard;

// A protected function found the guard overwritten.
[[noreturn]] void __stack_chk_fail() { EndCorruptedProcess(); }

// A fortified copy (_FORTIFY_SOURCE) would have overrun its destination.
[[noreturn]] void __chk_fail() { EndCorruptedProcess(); }

}  // extern "C"

namespace {

// Before the program's own static constructors (101 is the earliest
// priority a program may use), so that no protected function is on the
// stack when the guard changes.
__attribute__((constructor(101))) void SeedStackGuard() {
  uintptr_t seed = 0;
  // Without random bytes, the terminator guard libssp falls back to: it
  // stops overflows through the string functions.
  if (!RtlGenRandom(&seed, sizeof seed) || seed == 0) seed = 0xFF0A0000;
  __stack_chk_guard = seed;
}

}  // namespace
