// Typing a character, whatever the keyboard layout.
#pragma once

#include <cstdint>

namespace tavel {

class CharacterInput {
 public:
  virtual ~CharacterInput() = default;
  // Sends one Unicode key-down event for the UTF-16 code unit.
  virtual void TypeCodeUnit(uint16_t codeUnit) = 0;
};

}  // namespace tavel
