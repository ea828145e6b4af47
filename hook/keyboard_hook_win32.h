// The per-process side of the keyboard hook: the library's module handle and
// the hook handle this process hands on to the next hook in the chain.
#pragma once

#include <windows.h>

namespace tavel {

// Called whenever a process or thread attaches: remembers the module and
// takes the hook stored for the calling thread's desktop kind as the one to
// chain to.
void AdoptDesktopHook(HINSTANCE module);

}  // namespace tavel
