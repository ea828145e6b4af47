// The product's help: the compiled HTML help file at its start topic.
#pragma once

#include "platform/registry.h"

namespace tavel::panel {

// Opens the help window; nothing happens when the HTML Help control is
// missing. The file is taken from the installation folder, else from the
// program's own folder.
void OpenHelp(Registry& registry);

}  // namespace tavel::panel
