// Which of the program's languages a user gets: their own, a sister of it
// (Austrian German gets German), or else English.
#pragma once

#include <cstdint>

namespace tavel::panel {

// A Windows language id: primary language in the low 10 bits, sublanguage
// above them.
using LanguageId = uint16_t;

// The shipped language for a user interface language.
LanguageId ResourceLanguageFor(LanguageId userInterfaceLanguage);

}  // namespace tavel::panel
