#pragma once

#include "platform/thread_desktop.h"

namespace tavel {

class Win32ThreadDesktop : public ThreadDesktop {
 public:
  bool SwitchTo(const char* desktopName) override;
};

}  // namespace tavel
