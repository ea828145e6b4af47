#pragma once

#include "platform/character_input.h"

namespace tavel {

class Win32CharacterInput : public CharacterInput {
 public:
  void TypeCodeUnit(uint16_t codeUnit) override;
};

}  // namespace tavel
