// Fixed answers about the running system.
#pragma once

#include "platform/system_info.h"

namespace tavel::fake {

class FakeSystemInfo : public SystemInfo {
 public:
  uint32_t SystemDefaultLcid() override { return lcid; }
  PlatformFamily Platform() override { return platform; }
  bool IsWow64Process() override { return wow64; }

  uint32_t lcid = 1033;
  PlatformFamily platform = PlatformFamily::WindowsNt;
  bool wow64 = false;
};

}  // namespace tavel::fake
