// Switches the program to a high-contrast scheme as Windows does: the
// system colours set (which sends WM_SYSCOLORCHANGE to every window), then
// WM_SETTINGCHANGE for high contrast. Wine keeps no high-contrast setting:
// SystemParametersInfo refuses to set one and always reports it off. So the
// program's own question is answered "on" here: its import of
// SystemParametersInfoW is pointed at a stand-in that says so and passes
// every other question on.
#include <windows.h>

#include <cstring>

#include "tests/e2e/panel/inside_library.h"

namespace tavel::test {
namespace {

using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersInfoFunction systemParametersInfo = nullptr;

BOOL WINAPI HighContrastSystemParametersInfo(UINT action, UINT number, PVOID data, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST || !data) return systemParametersInfo(action, number, data, flags);
  auto* contrast = static_cast<HIGHCONTRASTW*>(data);
  contrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
  contrast->lpszDefaultScheme = nullptr;
  return TRUE;
}

// Points the program's import of `function` from `library` at `replacement`;
// the import it had before, or null when it has none.
void* ReplaceImport(const char* library, const char* function, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* headers =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* from = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); from->Name;
       ++from) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + from->Name), library) != 0) continue;
    const auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + from->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + from->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
      if (strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      DWORD protection = 0;
      VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
      void* before = reinterpret_cast<void*>(slot->u1.Function);
      slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(slot, sizeof *slot, protection, &protection);
      return before;
    }
  }
  return nullptr;
}

}  // namespace

void SwitchToHighContrast(HWND window, const COLORREF (&scheme)[kSystemColours]) {
  if (!systemParametersInfo) {
    // The stand-in must outlive the probe's hook, which would unload us.
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<const wchar_t*>(&HighContrastSystemParametersInfo), &self);
    systemParametersInfo = reinterpret_cast<SystemParametersInfoFunction>(ReplaceImport(
        "user32.dll", "SystemParametersInfoW", reinterpret_cast<void*>(&HighContrastSystemParametersInfo)));
  }
  if (!systemParametersInfo) {
    ++Report().failed;
    AppendLine("the program does not import SystemParametersInfoW");
    return;
  }
  int indices[kSystemColours];
  for (int i = 0; i < kSystemColours; ++i) indices[i] = i;
  if (!SetSysColors(kSystemColours, indices, scheme)) {
    ++Report().failed;
    AppendLine("the system colours could not be set");
    return;
  }
  ++Report().counted;
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  AppendLine("high contrast on");
}

}  // namespace tavel::test
