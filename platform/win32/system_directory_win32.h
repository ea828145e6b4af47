// Files of the Windows system directory, named by full path, so a library or
// program of the same name planted in the current folder or on the search
// path is never used in its place.
#pragma once

#include <windows.h>

#include <string>

namespace tavel {

// "<system directory>\fileName"; empty when the system directory cannot be read.
std::string SystemFilePath(const char* fileName);

// Runs the system program fileName followed by arguments (which may be empty)
// with WinExec; true when the program was started.
bool StartSystemProgram(const char* fileName, const char* arguments, UINT showCommand);

}  // namespace tavel
