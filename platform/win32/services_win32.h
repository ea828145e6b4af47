#pragma once

#include "platform/services.h"

namespace tavel {

class Win32ServiceManager : public ServiceManager {
 public:
  ServiceHandle OpenManager(uint32_t access) override;
  ServiceHandle OpenNamed(ServiceHandle manager, const char* name, uint32_t access) override;
  bool Control(ServiceHandle service, uint32_t code) override;
  void Close(ServiceHandle handle) override;
};

}  // namespace tavel
