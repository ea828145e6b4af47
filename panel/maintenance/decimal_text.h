// A number's decimal digits as wide text. The summary needs no more than
// this; the C library's wide formatting (what std::to_wstring uses) would
// bring a whole printf implementation into the program.
#pragma once

#include <string>

namespace tavel::panel {

inline std::wstring DecimalText(unsigned value) {
  const std::string digits = std::to_string(value);
  return std::wstring(digits.begin(), digits.end());
}

}  // namespace tavel::panel
