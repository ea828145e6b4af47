// Starting a program named by its full path, so no program of the same name
// in the current folder or on the search path runs instead.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace tavel {

struct ProcessHandleCloser {
  void operator()(HANDLE process) const { CloseHandle(process); }
};
using ProcessHandle = std::unique_ptr<void, ProcessHandleCloser>;

// `arguments` follows the quoted program path on the command line. The
// started process, for the caller to wait on; empty when nothing started (an
// empty path starts nothing).
ProcessHandle StartProgram(const std::wstring& program, const std::wstring& arguments, WORD show);

inline bool StartProgramAt(const std::wstring& program, const std::wstring& arguments, WORD show) {
  return StartProgram(program, arguments, show) != nullptr;
}

}  // namespace tavel
