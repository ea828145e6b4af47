#include "common/ostra_version.h"

#include <cstdlib>

namespace tavel {

// The text is read as the C library reads a decimal number: leading blanks,
// sign, digits, fraction and exponent, the rest ignored, nothing at all 0.
// No program of ours changes the C locale, so the decimal point is '.'.
// atof, not strtod: with MinGW's C++ headers strtod is the compiler run
// time's own conversion, which would add about 18 KB to each binary; atof
// is the system C library's.
bool IsOstraVersion4OrLater(const char* text) { return std::atof(text) >= 4.0; }

}  // namespace tavel
