#pragma once

#include <string>

namespace tavel::ui {

// A string of the program's string table in the language of its user
// interface; empty when it has none.
std::wstring LoadText(unsigned id);

}  // namespace tavel::ui
