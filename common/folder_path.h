// Folders recorded in the registry are only used when they name their place
// completely: a relative folder would make a file name that Windows searches
// for (the current folder, the search path), where anyone may have put a file
// of that name.
#pragma once

#include <string_view>

namespace tavel {

// "X:" followed by nothing or a separator, or a network path ("\\server").
bool IsAbsoluteFolder(std::string_view folder);

}  // namespace tavel
