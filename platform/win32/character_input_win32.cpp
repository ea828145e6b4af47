#include "platform/win32/character_input_win32.h"

#include <windows.h>

namespace tavel {

void Win32CharacterInput::TypeCodeUnit(uint16_t codeUnit) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = 0;
  input.ki.wScan = codeUnit;
  input.ki.dwFlags = KEYEVENTF_UNICODE;
  input.ki.time = GetTickCount();
  input.ki.dwExtraInfo = 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace tavel
