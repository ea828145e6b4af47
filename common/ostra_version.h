// The Ostra help program records its version as text ("4.0", "10", ...).
#pragma once

namespace tavel {

// Reads the leading decimal number of `text` as the C library does in the
// "C" locale (leading blanks, optional sign, digits with an optional fraction
// and exponent; the rest is ignored; no number at all counts as 0) and tells
// whether it is 4 or more.
bool IsOstraVersion4OrLater(const char* text);

}  // namespace tavel
