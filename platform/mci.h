// The CD/DVD drives of the machine and their doors (through MCI).
#pragma once

#include <cstdint>

namespace tavel {

class CdDrives {
 public:
  virtual ~CdDrives() = default;
  // Bit n set: drive 'A' + n exists.
  virtual uint32_t LogicalDrives() = 0;
  virtual bool IsCdRom(char letter) = 0;
  // Opens the drive as a shareable CD audio device, opens its door and
  // closes the device; false when the device cannot be opened.
  virtual bool OpenDoor(char letter) = 0;
};

}  // namespace tavel
