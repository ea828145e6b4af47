#include "common/device_id_list.h"

#include <new>
#include <utility>

namespace tavel {

namespace {

// The list length the buffers may have: room for the terminating zero, and
// no more than any real device tree needs (a few hundred thousand
// characters even with thousands of devices). A larger answer is no real
// list and is refused instead of being allocated and zeroed.
bool BufferLength(uint32_t listLength, uint32_t& bufferLength) {
  constexpr uint32_t kMaxCharacters = 1u << 24;
  if (listLength >= kMaxCharacters) return false;
  bufferLength = listLength + 1;
  return true;
}

}  // namespace

DeviceIdList::DeviceIdList(DeviceTree& tree) {
  uint32_t listLength = 0;
  if (tree.GetDeviceIdListSize(&listLength) != cfgmgr::kSuccess) return;
  uint32_t length = 0;
  if (!BufferLength(listLength, length)) return;
  std::unique_ptr<char16_t[]> wide(new (std::nothrow) char16_t[length]());
  std::unique_ptr<char[]> narrow(new (std::nothrow) char[length + 1]());
  if (!wide || !narrow) return;
  if (tree.GetDeviceIdList(wide.get(), length) != cfgmgr::kSuccess) return;
  if (!tree.ToAnsi(wide.get(), length, narrow.get(), length)) return;
  // narrow[length] stays 0 whatever the conversion wrote.
  ids_ = std::move(narrow);
  length_ = length + 1;
}

}  // namespace tavel
