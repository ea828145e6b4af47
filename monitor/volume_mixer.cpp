#include "monitor/volume_mixer.h"

#include "monitor/monitor_messages.h"

namespace tavel {

namespace {
constexpr int kShowNormal = 5;  // SW_SHOW
}

void ShowVolumeMixer(WindowMessages& windows, WindowTimers& timers, Processes& processes) {
  timers.Kill(IDT_RESCAN_AND_CLOSE_MIXER);
  if (WindowHandle mixer = windows.FindTopLevel(nullptr, kVolumeMixerTitle)) {
    windows.BringToForeground(mixer);
  } else {
    processes.RunSystemProgram("sndvol.exe", kShowNormal);
  }
  timers.Arm(IDT_RESCAN_AND_CLOSE_MIXER, kMixerCloseDelayMs);
}

void CloseVolumeMixer(WindowMessages& windows) {
  if (WindowHandle mixer = windows.FindTopLevel(nullptr, kVolumeMixerTitle)) {
    windows.Post(mixer, WM_QUIT_MESSAGE, 0, 0);
  }
}

}  // namespace tavel
