// The configuration program as a whole: picks its mode from the command line
// and runs it to the end.
#pragma once

#include <windows.h>

namespace tavel::panel {

class CTavelpanelApp {
 public:
  CTavelpanelApp() = default;
  CTavelpanelApp(const CTavelpanelApp&) = delete;
  CTavelpanelApp& operator=(const CTavelpanelApp&) = delete;
  ~CTavelpanelApp();

  int Run(const wchar_t* commandLine);

 private:
  void StopRunningProgram();
  void PrepareRemoval();
  void ResumeAfterUpgrade();
  void RunHelperCheck();
  void RunInteractive();

  // Owned for the life of the process: a second interactive start sees it.
  HANDLE instanceMutex_ = nullptr;
};

}  // namespace tavel::panel
