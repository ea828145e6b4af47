#include <windows.h>

#include "hook/desktop_kind.h"

namespace tavel {

DesktopKind CurrentDesktopKind() {
  // A desktop whose name cannot be read (the buffer stays zeroed) counts as
  // "any other desktop".
  char name[64] = {};
  HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
  GetUserObjectInformationA(desktop, UOI_NAME, name, sizeof(name) - 1, nullptr);
  return DesktopKindFromName(name);
}

}  // namespace tavel
