#include "panel/framework/resource_text.h"

#include <windows.h>

namespace tavel::ui {

std::wstring LoadText(unsigned id) {
  const wchar_t* text = nullptr;
  // Length 0 asks for a pointer into the resource itself (not terminated).
  int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

}  // namespace tavel::ui
