// Files that ship beside Tavelpanel.exe, named by their full path so that
// nothing of the same name in the current folder or on the search path is
// taken instead.
#pragma once

#include <string>

namespace tavel::panel {

std::wstring BesideProgram(const wchar_t* fileName);

}  // namespace tavel::panel
