// Starting a program named by its full path, so no program of the same name
// in the current folder or on the search path runs instead.
#pragma once

#include <windows.h>

#include <string>

namespace tavel {

// What the start waits for, at most the given time, before it returns.
enum class StartWait {
  Nothing,
  InputIdle,  // the program waits for input (or has ended)
  Exit,       // the program has ended
};

// `arguments` follows the quoted program path on the command line; true
// when the program was started. An empty path starts nothing.
bool StartProgramAt(const std::wstring& program, const std::wstring& arguments, WORD show,
                    StartWait wait = StartWait::Nothing, DWORD limitMs = 0);

}  // namespace tavel
