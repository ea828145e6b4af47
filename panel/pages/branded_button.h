// The external keyboard's branded button (row 3) goes by the name of the
// software that owns it on this machine: the Velmora program, the Ostra help
// program from version 4 on, or else the notebook's own Varo button.
#pragma once

#include "platform/registry.h"

namespace tavel::panel {

enum class VaroButtonKind { Velmora, Ostra, Varo };

// Asked afresh every time: the software may come and go while the program runs.
VaroButtonKind AskVaroButtonKind(Registry& registry);

struct VaroButtonTexts {
  unsigned labelId;         // the row's label, with its access key
  unsigned functionNameId;  // the name in messages and the summary
  int iconId;
};
VaroButtonTexts TextsOf(VaroButtonKind kind);

}  // namespace tavel::panel
