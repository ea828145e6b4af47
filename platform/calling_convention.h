// The calling convention of functions exported by Windows libraries; the host
// build has only one convention.
#pragma once

#if defined(_WIN32)
#define TAVEL_STDCALL __stdcall
#else
#define TAVEL_STDCALL
#endif
