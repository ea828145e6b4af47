// Stand-in for the two outside services (TavelSVC, NorvikPMSVC): a service
// that accepts every user-defined control code (128..255) and records each
// one it receives under its own name. Install it once per name:
//   sc create TavelSVC binPath= "C:\...\control_code_service.exe TavelSVC" type= own
#include <string>

#include "standin_state.h"

namespace {

std::string g_name;
SERVICE_STATUS_HANDLE g_status;
SERVICE_STATUS g_state{};
HANDLE g_stopped;

void Report(DWORD state) {
  g_state.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  g_state.dwCurrentState = state;
  g_state.dwControlsAccepted = SERVICE_ACCEPT_STOP;
  SetServiceStatus(g_status, &g_state);
}

DWORD WINAPI Handler(DWORD code, DWORD, void*, void*) {
  if (code == SERVICE_CONTROL_STOP) {
    Report(SERVICE_STOP_PENDING);
    SetEvent(g_stopped);
    return NO_ERROR;
  }
  if (code >= 128 && code <= 255) {
    standin::AppendToLog(("Services\\" + g_name).c_str(), std::to_string(code));
    return NO_ERROR;
  }
  return code == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI ServiceMain(DWORD, char**) {
  g_status = RegisterServiceCtrlHandlerExA(g_name.c_str(), Handler, nullptr);
  if (g_status == nullptr) return;
  g_stopped = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  Report(SERVICE_RUNNING);
  WaitForSingleObject(g_stopped, INFINITE);
  Report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_name = argv[1];
  SERVICE_TABLE_ENTRYA table[] = {{g_name.data(), ServiceMain}, {nullptr, nullptr}};
  return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
