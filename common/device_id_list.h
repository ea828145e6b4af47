// The list of every device instance ID, read from the Configuration Manager
// and converted to ANSI.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/device_tree.h"

namespace tavel {

class DeviceIdList {
 public:
  // Reads the list; ok() is false when any step fails (nothing is kept).
  explicit DeviceIdList(DeviceTree& tree);

  bool ok() const { return ids_ != nullptr; }

  // Calls visit(id) for each ID in list order until it returns true; true
  // when one did. Stops at the empty ID that ends the list, or at the end of
  // the buffer should the list lack it.
  template <typename Visit>
  bool FindIf(Visit visit) const {
    const char* end = ids_.get() + length_;
    for (const char* id = ids_.get(); id < end && *id != '\0';) {
      if (visit(static_cast<const char*>(id))) return true;
      while (id < end && *id != '\0') ++id;
      ++id;
    }
    return false;
  }

 private:
  std::unique_ptr<char[]> ids_;
  uint32_t length_ = 0;  // characters in ids_, the last one always 0
};

}  // namespace tavel
