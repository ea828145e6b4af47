// Starting a program of the Windows system directory by its full path, so a
// program of the same name planted in the current folder or on the search
// path is never run in its place.
#pragma once

#include <windows.h>

namespace tavel {

// Runs "<system directory>\fileName" followed by arguments (which may be
// empty) with WinExec; true when the program was started.
bool StartSystemProgram(const char* fileName, const char* arguments, UINT showCommand);

}  // namespace tavel
