// The service control manager, as far as sending user-defined control codes
// to an installed service goes.
#pragma once

#include <cstdint>

namespace tavel {

using ServiceHandle = uintptr_t;  // 0 = failed

class ServiceManager {
 public:
  virtual ~ServiceManager() = default;
  virtual ServiceHandle OpenManager(uint32_t access) = 0;
  virtual ServiceHandle OpenNamed(ServiceHandle manager, const char* name, uint32_t access) = 0;
  virtual bool Control(ServiceHandle service, uint32_t code) = 0;
  virtual void Close(ServiceHandle handle) = 0;
};

}  // namespace tavel
