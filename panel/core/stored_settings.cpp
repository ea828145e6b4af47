#include "panel/core/stored_settings.h"

#include <cstring>

#include "common/settings_store.h"

namespace tavel::panel {
namespace {

// Records are compared byte for byte, as they are stored.
template <typename Record>
bool Differs(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof a) != 0;
}

template <typename Record>
bool WriteRecordIfChanged(Registry& registry, Record& stored, const Record& now) {
  if (!Differs(stored, now)) return false;
  WriteRecord(registry, now);
  stored = now;
  return true;
}

bool WriteStatusIfChanged(Registry& registry, const StatusValue& which, uint32_t& stored,
                          uint32_t now) {
  if (stored == now) return false;
  WriteStatus(registry, which, now);
  stored = now;
  return true;
}

}  // namespace

bool StoredSettings::WriteLayout(const PanelSettings& s) {
  if (stored_.vrKbLangId == s.vrKbLangId) return false;
  WriteLayoutId(registry_, s.vrKbLangId);
  stored_.vrKbLangId = s.vrKbLangId;
  return true;
}

void StoredSettings::WriteVrKbStatuses(const PanelSettings& s) {
  WriteStatusIfChanged(registry_, status::kVrKb, stored_.vrKbAsgnsStatus, s.vrKbAsgnsStatus);
  WriteStatusIfChanged(registry_, status::kVrKbBrw, stored_.vrKbBrwAsgnsStatus,
                       s.vrKbBrwAsgnsStatus);
}

void StoredSettings::WriteVrKbMaps(const PanelSettings& s) {
  WriteRecordIfChanged(registry_, stored_.vrKbMap, s.vrKbMap);
  WriteRecordIfChanged(registry_, stored_.vrKbBrwMap, s.vrKbBrwMap);
}

uint32_t StoredSettings::WriteExtKbSettings(const PanelSettings& s, uint32_t mask) {
  const uint32_t changed = DifferingExtKbSettings(stored_.extKb, s.extKb) & mask;
  if (changed == 0) return 0;
  tavel::WriteExtKbSettings(registry_, changed, s.extKb);
  CopyMaskedExtKbSettings(changed, stored_.extKb, s.extKb);
  return changed;
}

bool StoredSettings::WriteExtKbMap(const PanelSettings& s) {
  return WriteRecordIfChanged(registry_, stored_.extKbMap, s.extKbMap);
}

bool StoredSettings::WriteKeySensStatus(const PanelSettings& s) {
  return WriteStatusIfChanged(registry_, status::kKeySens, stored_.keySensAsgnsStatus,
                              s.keySensAsgnsStatus);
}

bool StoredSettings::WriteKeySensMap(const PanelSettings& s) {
  return WriteRecordIfChanged(registry_, stored_.keySensMap, s.keySensMap);
}

bool StoredSettings::WriteSymbStatus(const PanelSettings& s) {
  return WriteStatusIfChanged(registry_, status::kSymb, stored_.symbAsgnsStatus, s.symbAsgnsStatus);
}

bool StoredSettings::WriteSymbMap(const PanelSettings& s) {
  return WriteRecordIfChanged(registry_, stored_.symbMap, s.symbMap);
}

}  // namespace tavel::panel
