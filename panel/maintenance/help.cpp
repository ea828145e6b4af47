#include "panel/maintenance/help.h"

#include <windows.h>

#include <string>

#include "common/settings_store.h"
#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

constexpr wchar_t kHelpFile[] = L"keymap.chm";
constexpr wchar_t kStartTopic[] = L"keymap.htm";
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

// Without an installation folder the file beside the program is meant; a
// help file planted in whatever folder is current is never opened.
std::wstring HelpFilePath(Registry& registry) {
  std::string folder;
  if (!ReadInstallFolder(registry, folder) || folder.empty()) return BesideProgram(kHelpFile);
  std::wstring wide(folder.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(
      CP_ACP, 0, folder.data(), static_cast<int>(folder.size()), wide.data(),
      static_cast<int>(wide.size()))));
  return wide + L"\\" + kHelpFile;
}

// Loaded for each request, so that one that failed (the control being
// updated, say) does not keep every later one from working. It stays
// loaded: its window outlives the call.
HtmlHelpFn HtmlHelpControl() {
  wchar_t system[MAX_PATH] = {};
  if (!GetSystemDirectoryW(system, MAX_PATH)) return HtmlHelpFn{};
  HMODULE control = LoadLibraryW((std::wstring(system) + L"\\HHCTRL.OCX").c_str());
  return control ? reinterpret_cast<HtmlHelpFn>(
                       reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpW")))
                 : HtmlHelpFn{};
}

}  // namespace

void OpenHelp(Registry& registry) {
  if (HtmlHelpFn htmlHelp = HtmlHelpControl()) {
    htmlHelp(nullptr, HelpFilePath(registry).c_str(), kDisplayTopic,
             reinterpret_cast<DWORD_PTR>(kStartTopic));
  }
}

}  // namespace tavel::panel
