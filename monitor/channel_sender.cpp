#include "monitor/channel_sender.h"

#include <cstring>

namespace tavel {

bool SendChannelBytes(FileMappings& mappings, WindowMessages& windows, uint32_t message,
                      const void* record, size_t size) {
  auto block = mappings.Create(kTavelSharedMemName, size);
  if (!block) return false;
  std::memcpy(block->Data(), record, size);
  WindowHandle monitor = windows.FindTopLevel(kMonitorWindowClass, nullptr);
  if (monitor == 0) return false;
  windows.Send(monitor, message, 0, 0);
  return true;
}

}  // namespace tavel
