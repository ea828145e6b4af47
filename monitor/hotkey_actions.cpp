#include "monitor/hotkey_actions.h"

namespace tavel {

namespace {

enum class Step { Up, Down };

void VolumeStep(HotkeyInterfaceLoader& loader, Step step) {
  auto library = loader.Load();
  if (!library) return;
  const uint32_t controllable = library->IsVolumeMuteControllable();
  const uint32_t muted = library->GetVolumeMuteState();
  const uint32_t maximum = library->GetMaxVolumeLevel() & 0xFF;
  uint32_t level = library->GetCurrentVolumeLevel() & 0xFF;
  if (controllable == 1 && muted == 1) library->EnableVolumeMute(0);
  if (maximum == 0) return;
  if (step == Step::Up && level < maximum) ++level;
  if (step == Step::Down && level > 0) --level;
  library->SetVolumeLevel(level);
}

}  // namespace

void VolumeStepUp(HotkeyInterfaceLoader& loader) { VolumeStep(loader, Step::Up); }

void VolumeStepDown(HotkeyInterfaceLoader& loader) { VolumeStep(loader, Step::Down); }

void VolumeMute(HotkeyInterfaceLoader& loader) {
  auto library = loader.Load();
  if (library && library->IsVolumeMuteControllable() != 0) library->EnableVolumeMute(1);
}

void NotifyFnKey(HotkeyInterfaceLoader& loader, uint32_t fnKey) {
  if (auto library = loader.Load()) library->VirtualNotifyFnFx(fnKey);
}

void RunMagnifier(HotkeyInterfaceLoader& loader) {
  if (auto library = loader.Load()) library->RunFullScreenMagnifier();
}

}  // namespace tavel
