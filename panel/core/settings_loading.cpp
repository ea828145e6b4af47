#include "panel/core/settings_loading.h"

#include "common/settings_store.h"

namespace tavel::panel {

void LoadPanelSettings(Registry& registry, PanelSettings& s) {
  ReadStatus(registry, status::kVrKb, s.vrKbAsgnsStatus);
  ReadExtKbSettings(registry, s.extKb);
  ReadStatus(registry, status::kSymb, s.symbAsgnsStatus);
  ReadStatus(registry, status::kKeySens, s.keySensAsgnsStatus);
  ReadStatus(registry, status::kVrKbBrw, s.vrKbBrwAsgnsStatus);
  ReadRecord(registry, s.vrKbMap);
  ReadRecord(registry, s.extKbMap);
  ReadRecord(registry, s.keySensMap);
  ReadRecord(registry, s.symbMap);
  ReadRecord(registry, s.vrKbBrwMap);
  ReadStatus(registry, status::kVrKbLangId, s.vrKbLangId);
}

}  // namespace tavel::panel
