#include "panel/core/settings_loading.h"

#include "common/settings_store.h"

namespace tavel::panel {

PanelSettings LoadPanelSettings(Registry& registry, PanelSettings& s) {
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
  const PanelSettings asStored = s;
  // Only one configuration program runs, and a key test of its own has not
  // begun yet: a stored 2 is a test that ended with its program. Taken as
  // is, Apply and the next test would hand it on and the filter would stay
  // off for good; the next Apply writes the 1.
  if (s.keySensAsgnsStatus == kKeySensKeyTestRunning) s.keySensAsgnsStatus = kKeySensOn;
  return asStored;
}

}  // namespace tavel::panel
