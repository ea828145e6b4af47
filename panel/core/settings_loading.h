// Reading the user's settings into the configuration program's memory.
#pragma once

#include "panel/core/panel_settings.h"
#include "platform/registry.h"

namespace tavel::panel {

// Values missing from the registry keep what `settings` holds (or take their
// documented default, as the settings store decides).
void LoadPanelSettings(Registry& registry, PanelSettings& settings);

}  // namespace tavel::panel
