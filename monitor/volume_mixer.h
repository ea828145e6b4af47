// The Windows Volume Mixer shown while the notebook's volume combinations are
// used, and closed a few seconds after the last one.
#pragma once

#include "platform/processes.h"
#include "platform/window_messages.h"
#include "platform/window_timer.h"

namespace tavel {

// Brings the mixer up (or to the front) and restarts its closing timer.
void ShowVolumeMixer(WindowMessages& windows, WindowTimers& timers, Processes& processes);
// Asks a window titled like the mixer (also one the user opened) to quit.
void CloseVolumeMixer(WindowMessages& windows);

}  // namespace tavel
