#pragma once

#include "platform/mci.h"

namespace tavel {

class Win32CdDrives : public CdDrives {
 public:
  uint32_t LogicalDrives() override;
  bool IsCdRom(char letter) override;
  bool OpenDoor(char letter) override;
};

}  // namespace tavel
