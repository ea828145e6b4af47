#include "monitor/hotkey_library_binding.h"

#include "common/hotkey_library.h"

namespace tavel {

namespace {

class BoundHotkeyLibrary : public HotkeyInterface {
 public:
  BoundHotkeyLibrary(LibraryLoader& loader, const std::string& path) : library_(loader, path) {}
  bool usable() const { return library_.usable(); }

  uint32_t IsVolumeMuteControllable() override { return f().isVolumeMuteControllable(); }
  uint32_t GetVolumeMuteState() override { return f().getVolumeMuteState(); }
  uint32_t GetMaxVolumeLevel() override { return f().getMaxVolumeLevel(); }
  uint32_t GetCurrentVolumeLevel() override { return f().getCurrentVolumeLevel(); }
  void EnableVolumeMute(uint32_t mute) override { f().enableVolumeMute(mute); }
  void SetVolumeLevel(uint32_t level) override { f().setVolumeLevel(level); }
  void VirtualNotifyFnFx(uint32_t fnKey) override { f().virtualNotifyFnFx(fnKey); }
  void RunFullScreenMagnifier() override { f().runFullScreenMagnifier(); }

 private:
  const HotkeyLibraryExports& f() const { return library_.exports(); }
  HotkeyInterfaceLibrary library_;
};

}  // namespace

std::unique_ptr<HotkeyInterface> HotkeyLibraryBinding::Load() {
  const std::string path = HotkeyLibraryPath(registry_, system_, HotkeyLibraryUser::Monitor);
  if (path.empty()) return nullptr;
  auto library = std::make_unique<BoundHotkeyLibrary>(loader_, path);
  if (!library->usable()) return nullptr;
  return library;
}

}  // namespace tavel
