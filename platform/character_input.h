// Typing a character, whatever the keyboard layout.
#pragma once

#include <cstdint>

namespace tavel {

class CharacterInput {
 public:
  virtual ~CharacterInput() = default;
  // Sends the UTF-16 code unit as one Unicode key press and its release.
  virtual void TypeCodeUnit(uint16_t codeUnit) = 0;
};

}  // namespace tavel
