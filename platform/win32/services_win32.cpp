#include "platform/win32/services_win32.h"

#include <windows.h>

namespace tavel {

namespace {
SC_HANDLE AsScHandle(ServiceHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }
}  // namespace

ServiceHandle Win32ServiceManager::OpenManager(uint32_t access) {
  return reinterpret_cast<ServiceHandle>(OpenSCManagerA(nullptr, nullptr, access));
}

ServiceHandle Win32ServiceManager::OpenNamed(ServiceHandle manager, const char* name,
                                               uint32_t access) {
  return reinterpret_cast<ServiceHandle>(OpenServiceA(AsScHandle(manager), name, access));
}

bool Win32ServiceManager::Control(ServiceHandle service, uint32_t code) {
  SERVICE_STATUS status{};
  return ControlService(AsScHandle(service), code, &status) != FALSE;
}

void Win32ServiceManager::Close(ServiceHandle handle) { CloseServiceHandle(AsScHandle(handle)); }

}  // namespace tavel
