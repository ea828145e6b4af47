#include "platform/win32/character_input_win32.h"

#include <windows.h>

namespace tavel {

// The character goes as a key press and its release. A press alone types
// the character just as well, but leaves VK_PACKET down in the system's key
// state for good, as if a key were stuck.
void Win32CharacterInput::TypeCodeUnit(uint16_t codeUnit) {
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = 0;
    input.ki.wScan = codeUnit;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    input.ki.time = GetTickCount();
    input.ki.dwExtraInfo = 0;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace tavel
