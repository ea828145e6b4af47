#include <windows.h>

#include "panel/tavelpanel_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tavel::panel::CTavelpanelApp app;
  return app.Run(GetCommandLineW());
}
