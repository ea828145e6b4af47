#include "common/records.h"

namespace tavel {

namespace {

// SpecialCharacterTable: choice n types kCharacters[n - 1].
constexpr uint16_t kCharacters[kSpecialCharacterCount] = {
    0x20AC,  // euro
    0x00A3,  // pound
    0x00A5,  // yen
    0x00A2,  // cent
    0x00A9,  // copyright
    0x00AE,  // registered
    0x2122,  // trade mark
    0x00B0,  // degree
    0x00B1,  // plus-minus
    0x2264,  // less-than or equal
    0x2265,  // greater-than or equal
};

}  // namespace

uint16_t SpecialCharacter(uint32_t choice) {
  if (choice < 1 || choice > kSpecialCharacterCount) return 0;
  return kCharacters[choice - 1];
}

}  // namespace tavel
