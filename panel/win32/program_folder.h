// Files that ship beside Tavelpanel.exe, named by their full path so that
// nothing of the same name in the current folder or on the search path is
// taken instead.
#pragma once

#include <string>

namespace tavel::panel {

// Empty when the program's own path cannot be read: a bare file name would
// be searched for, which is exactly what must not happen.
std::wstring BesideProgram(const wchar_t* fileName);

}  // namespace tavel::panel
