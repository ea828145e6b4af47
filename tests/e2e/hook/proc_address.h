// Looks an export up by ordinal and gives it its real function type.
#pragma once

#include <windows.h>

template <class Function>
Function ProcByOrdinal(HMODULE library, WORD ordinal) {
  FARPROC proc = GetProcAddress(library, MAKEINTRESOURCEA(ordinal));
  // Through void(*)() because FARPROC has no prototype worth keeping.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}
