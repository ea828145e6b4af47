// Facts about the running system that change what the settings and drivers
// look like.
#pragma once

#include <cstdint>

namespace tavel {

enum class PlatformFamily { WindowsNt, Windows9x, Other };

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual uint32_t SystemDefaultLcid() = 0;
  virtual PlatformFamily Platform() = 0;
  // True for a 32-bit process on 64-bit Windows. Systems that predate WOW64
  // lack the function that answers it, so it is looked up at run time and
  // its absence means false.
  virtual bool IsWow64Process() = 0;
};

}  // namespace tavel
