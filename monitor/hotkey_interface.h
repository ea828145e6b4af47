// The notebook platform's hot-key interface library as the monitor's actions
// use it: loaded for one action, all nine functions or nothing.
#pragma once

#include <cstdint>
#include <memory>

namespace tavel {

class HotkeyInterface {
 public:
  virtual ~HotkeyInterface() = default;  // frees the library
  virtual uint32_t IsVolumeMuteControllable() = 0;
  virtual uint32_t GetVolumeMuteState() = 0;
  virtual uint32_t GetMaxVolumeLevel() = 0;
  virtual uint32_t GetCurrentVolumeLevel() = 0;
  virtual void EnableVolumeMute(uint32_t mute) = 0;
  virtual void SetVolumeLevel(uint32_t level) = 0;
  virtual void VirtualNotifyFnFx(uint32_t fnKey) = 0;
  virtual void RunFullScreenMagnifier() = 0;
};

class HotkeyInterfaceLoader {
 public:
  virtual ~HotkeyInterfaceLoader() = default;
  // Null when the library is not installed or lacks any of its functions.
  virtual std::unique_ptr<HotkeyInterface> Load() = 0;
};

}  // namespace tavel
