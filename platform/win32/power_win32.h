#pragma once

#include "platform/library_loader.h"
#include "platform/power.h"

namespace tavel {

class Win32Power : public Power {
 public:
  explicit Win32Power(LibraryLoader& loader) : loader_(loader) {}
  void EnableShutdownPrivilege() override;
  void SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override;

 private:
  LibraryLoader& loader_;
};

}  // namespace tavel
