#pragma once

#include "platform/library_loader.h"
#include "platform/system_info.h"

namespace tavel {

class Win32SystemInfo : public SystemInfo {
 public:
  explicit Win32SystemInfo(LibraryLoader& loader) : loader_(loader) {}

  uint32_t SystemDefaultLcid() override;
  PlatformFamily Platform() override;
  bool IsWow64Process() override;

 private:
  LibraryLoader& loader_;
};

}  // namespace tavel
