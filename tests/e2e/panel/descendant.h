// Finds a control anywhere below a window by its id: the pages' controls sit
// in dialogs inside the sheet inside the main window.
#pragma once

#include <windows.h>

namespace tavel::test {

struct ById {
  int id;
  HWND found;
};

inline BOOL CALLBACK MatchId(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ById*>(parameter);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

inline HWND Descendant(HWND root, int id) {
  ById search{id, nullptr};
  if (root) EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tavel::test
