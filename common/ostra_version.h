// The Ostra help program records its version as text ("4.0", "10", ...).
#pragma once

namespace tavel {

// Reads the leading decimal number of `text` (leading blanks, optional sign,
// digits with an optional fraction; the rest, exponents included, is ignored;
// no number at all counts as 0) and tells whether it is 4 or more.
// Independent of the C locale's decimal point.
bool IsOstraVersion4OrLater(const char* text);

}  // namespace tavel
