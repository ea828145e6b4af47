#include "panel/tavelpanel_app.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "common/capabilities.h"
#include "common/first_run.h"
#include "panel/core/helper_mode.h"
#include "panel/core/monitor_run_state.h"
#include "panel/core/settings_loading.h"
#include "panel/core/start_mode.h"
#include "panel/core/ui_language.h"
#include "panel/framework/program_resources.h"
#include "panel/framework/resource_text.h"
#include "panel/main_window.h"
#include "panel/res/resource.h"
#include "panel/win32/apply_effects_win32.h"
#include "panel/win32/monitor_control_win32.h"
#include "panel/win32/product_state_win32.h"
#include "platform/win32/device_io_win32.h"
#include "platform/win32/device_tree_win32.h"
#include "platform/win32/file_mapping_win32.h"
#include "platform/win32/library_loader_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/system_info_win32.h"
#include "platform/win32/window_messages_win32.h"

namespace tavel::panel {
namespace {

constexpr wchar_t kInstanceMutex[] = L"TavelpanelInstanceMutex";

// The running program is found by its class and title: a folder window
// showing the installation folder bears the same title.
HWND FindRunningProgram() {
  return FindWindowW(ui::kPlainWindowClass, ui::LoadText(IDS_MAIN_TITLE).c_str());
}

// Both programs end within moments of being asked; the installer must not
// meet their files in use, but neither may it wait for ever on a program
// that does not answer.
void WaitUntilEnded() {
  for (int i = 0; i < 50 && (FindRunningProgram() || MonitorWindowExists()); ++i) Sleep(100);
}

}  // namespace

CTavelpanelApp::~CTavelpanelApp() {
  if (instanceMutex_) CloseHandle(instanceMutex_);
}

int CTavelpanelApp::Run(const wchar_t* commandLine) {
  ui::UseResourceLanguage(ResourceLanguageFor(GetUserDefaultUILanguage()));
  switch (SelectStartMode(commandLine ? commandLine : L"")) {
    case StartMode::Stop:
      StopRunningProgram();
      break;
    case StartMode::Uninstall:
      PrepareRemoval();
      break;
    case StartMode::Upgraded:
      ResumeAfterUpgrade();
      break;
    case StartMode::Helper:
      RunHelperCheck();
      break;
    case StartMode::Interactive:
      RunInteractive();
      break;
  }
  return 0;
}

void CTavelpanelApp::StopRunningProgram() {
  if (HWND running = FindRunningProgram()) PostMessageW(running, WM_QUIT, 0, 0);
}

// Run by the installer before it removes the product: the configuration
// program closes, and the monitor stops the way the Options dialog stops it
// (the service told, the logon start removed), while the installation folder
// is still recorded.
void CTavelpanelApp::PrepareRemoval() {
  StopRunningProgram();
  Win32Registry registry;
  Win32ServiceManager services;
  Win32MonitorControl monitor(registry, services);
  StopMonitor(monitor);
  WaitUntilEnded();
}

// Run by the installer of a newer version once it has replaced the files,
// when the user's logon start showed that the monitor was wanted: the older
// version's removal stopped the monitor and removed the logon start, and the
// monitor now starts again the way the Options dialog starts it (the
// service told, the logon start recorded in the installation folder).
void CTavelpanelApp::ResumeAfterUpgrade() {
  Win32Registry registry;
  Win32ServiceManager services;
  Win32MonitorControl monitor(registry, services);
  StartMonitor(monitor);
}

void CTavelpanelApp::RunHelperCheck() {
  Win32Registry registry;
  Win32LibraryLoader loader;
  Win32DeviceTree devices(loader);
  Win32ServiceManager services;
  Win32ProductState state(registry, devices);
  Win32MonitorControl monitor(registry, services);
  RunHelperMode(state, monitor);
}

void CTavelpanelApp::RunInteractive() {
  instanceMutex_ = CreateMutexW(nullptr, TRUE, kInstanceMutex);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (HWND running = FindRunningProgram()) SetForegroundWindow(running);
    return;
  }

  Win32Registry registry;
  Win32LibraryLoader loader;
  Win32DeviceIo io;
  Win32SystemInfo system(loader);
  Win32DeviceTree devices(loader);
  Win32ServiceManager services;
  Win32FileMappings mappings;
  Win32WindowMessages windows;

  PanelSettings settings;
  InitializeDefaultSettings(
      registry, system,
      // The configuration program decides the machine-dependent rows by its
      // own checks, the same ones its reset to defaults uses.
      [&] { return ResetExtKbMap(GatherResetCapabilities(io, registry, system, loader)); },
      {settings.vrKbMap, settings.vrKbBrwMap, settings.extKbMap, settings.symbMap, settings.extKb});
  StoredSettings stored(registry, LoadPanelSettings(registry, settings));

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);

  TabAvailability tabs;
  Win32ProductState state(registry, devices);
  Win32MonitorControl monitor(registry, services);
  Win32ApplyEffects effects(stored, mappings, windows);
  PanelContext context{settings, stored, tabs,   state,  monitor, effects,
                       effects,  registry, io,   system, loader};

  CTavelMWnd mainWindow(context, [&state] { return state.HasMorrowUsbKeyboard(); });
  if (!mainWindow.Create()) return;
  mainWindow.Initialize();
  ShowWindow(mainWindow.Handle(), SW_SHOW);
  mainWindow.RunModalLoop();
  DestroyWindow(mainWindow.Handle());
}

}  // namespace tavel::panel
