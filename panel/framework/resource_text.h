#pragma once

#include <string>

namespace tavel::ui {

// A string of the program's string table; empty when it has none.
std::wstring LoadText(unsigned id);

}  // namespace tavel::ui
