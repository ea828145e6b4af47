#include "monitor/service_control.h"

namespace tavel {

namespace {
constexpr uint32_t kManagerEnumerateService = 0x0004;
constexpr uint32_t kServiceQueryConfig = 0x0001;
constexpr uint32_t kServiceUserDefinedControl = 0x0100;
}  // namespace

bool SendServiceControl(ServiceManager& services, const char* serviceName, uint32_t code) {
  ServiceHandle manager = services.OpenManager(kManagerEnumerateService);
  if (manager == 0) return false;
  ServiceHandle service =
      services.OpenNamed(manager, serviceName, kServiceQueryConfig | kServiceUserDefinedControl);
  bool accepted = false;
  if (service != 0) {
    accepted = services.Control(service, code);
    services.Close(service);
  }
  services.Close(manager);
  return accepted;
}

}  // namespace tavel
