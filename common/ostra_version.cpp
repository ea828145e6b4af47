#include "common/ostra_version.h"

namespace tavel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

bool IsOstraVersion4OrLater(const char* text) {
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  // A fraction is below 1, so a number is at least 4 exactly when it is not
  // negative and its whole part is; the count saturates so long digit runs
  // cannot overflow.
  unsigned whole = 0;
  while (IsDigit(*p)) {
    if (whole < 4) whole = whole * 10 + static_cast<unsigned>(*p - '0');
    ++p;
  }
  return !negative && whole >= 4;
}

}  // namespace tavel
