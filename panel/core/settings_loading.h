// Reading the user's settings into the configuration program's memory.
#pragma once

#include "panel/core/panel_settings.h"
#include "platform/registry.h"

namespace tavel::panel {

// Values missing from the registry keep what `settings` holds (or take their
// documented default, as the settings store decides). Returns the settings
// as the registry holds them, before `settings` forgets a key test that
// ended with its program.
PanelSettings LoadPanelSettings(Registry& registry, PanelSettings& settings);

}  // namespace tavel::panel
