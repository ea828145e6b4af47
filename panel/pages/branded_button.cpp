#include "panel/pages/branded_button.h"

#include "common/settings_store.h"
#include "panel/res/resource.h"

namespace tavel::panel {

VaroButtonKind AskVaroButtonKind(Registry& registry) {
  if (HasVelmoraProgram(registry)) return VaroButtonKind::Velmora;
  if (HasOstraVersion4(registry)) return VaroButtonKind::Ostra;
  return VaroButtonKind::Varo;
}

VaroButtonTexts TextsOf(VaroButtonKind kind) {
  switch (kind) {
    case VaroButtonKind::Velmora:
      return {IDS_LABEL_VELMORA, IDS_FN_VELMORA, IDI_VELMORA_BUTTON};
    case VaroButtonKind::Ostra:
      return {IDS_LABEL_OSTRA, IDS_FN_OSTRA, IDI_OSTRA_BUTTON};
    case VaroButtonKind::Varo:
      break;
  }
  return {IDS_LABEL_VARO, IDS_FN_VARO, IDI_VARO_BUTTON};
}

}  // namespace tavel::panel
