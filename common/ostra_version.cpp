#include "common/ostra_version.h"

#include <cstdlib>

namespace tavel {

// The text is read as the C library reads a decimal number: leading blanks,
// sign, digits, fraction and exponent, the rest ignored, nothing at all 0.
// No program of ours changes the C locale, so the decimal point is '.'.
bool IsOstraVersion4OrLater(const char* text) { return std::strtod(text, nullptr) >= 4.0; }

}  // namespace tavel
