#include "hook/exports.h"

#include <iterator>

#include "common/settings_store.h"
#include "hook/word_copy.h"

namespace tavel {
namespace {

// A record is read into a copy of the shared one, so the bytes a short value
// does not deliver keep their previous contents, and then published word by
// word; a missing key leaves the shared record alone.
template <class Record>
RegResult LoadRecord(Registry& registry, Record& shared) {
  Record copy;
  CopyWords(copy, shared);
  RegResult result = ReadRecord(registry, copy);
  if (result == reg::kSuccess) CopyWords(shared, copy);
  return result;
}

template <class Record>
Record* GetRecord(const Record& shared, Record* out) {
  if (out) CopyWords(*out, shared);
  return out;
}

// The shared copy changes first, so the running hook uses the record even
// when the registry cannot take it.
template <class Record>
RegResult SetRecord(Registry& registry, Record& shared, const Record* record) {
  if (!record) return kInvalidParameter;
  CopyWords(shared, *record);
  return WriteRecord(registry, *record);
}

RegResult LoadStatus(Registry& registry, const StatusValue& which, uint32_t& shared) {
  uint32_t value = shared;
  RegResult result = ReadStatus(registry, which, value);
  if (result == reg::kSuccess) shared = value;
  return result;
}

RegResult SetStatus(Registry& registry, const StatusValue& which, uint32_t& shared,
                    uint32_t value) {
  shared = value;
  return WriteStatus(registry, which, value);
}

// The settings words in mask-bit order: bit 1 << i selects word i.
constexpr uint32_t ExtKbSettings::*kExtKbFields[] = {
    &ExtKbSettings::status, &ExtKbSettings::autoStatus, &ExtKbSettings::usbKbPresent,
    &ExtKbSettings::docked, &ExtKbSettings::morrowUsbKbPresent};

void CopyMasked(uint32_t mask, ExtKbSettings& to, const ExtKbSettings& from) {
  for (uint32_t i = 0; i < std::size(kExtKbFields); ++i) {
    if (mask & (1u << i)) to.*kExtKbFields[i] = from.*kExtKbFields[i];
  }
}

}  // namespace

RegResult LoadVrKbMap(Registry& r, SharedHookState& s) { return LoadRecord(r, s.vrKbMap); }
VrKbMap* GetVrKbMap(const SharedHookState& s, VrKbMap* out) { return GetRecord(s.vrKbMap, out); }
RegResult SetVrKbMap(Registry& r, SharedHookState& s, const VrKbMap* map) {
  return SetRecord(r, s.vrKbMap, map);
}
RegResult LoadVrKbStatus(Registry& r, SharedHookState& s) {
  return LoadStatus(r, status::kVrKb, s.vrKbStatus);
}
RegResult SetVrKbStatus(Registry& r, SharedHookState& s, uint32_t value) {
  return SetStatus(r, status::kVrKb, s.vrKbStatus, value);
}

RegResult LoadExtKbMap(Registry& r, SharedHookState& s) { return LoadRecord(r, s.extKbMap); }
ExtKbMap* GetExtKbMap(const SharedHookState& s, ExtKbMap* out) {
  return GetRecord(s.extKbMap, out);
}
RegResult SetExtKbMap(Registry& r, SharedHookState& s, const ExtKbMap* map) {
  return SetRecord(r, s.extKbMap, map);
}
RegResult LoadExtKbSettings(Registry& r, SharedHookState& s) {
  ExtKbSettings copy;
  CopyWords(copy, s.extKbSettings);
  RegResult result = ReadExtKbSettings(r, copy);
  if (result == reg::kSuccess) CopyWords(s.extKbSettings, copy);
  return result;
}
ExtKbSettingsRequest* GetExtKbSettings(const SharedHookState& s, ExtKbSettingsRequest* request) {
  if (request) CopyMasked(request->mask, request->values, s.extKbSettings);
  return request;
}
RegResult SetExtKbSettings(Registry& r, SharedHookState& s, const ExtKbSettingsRequest& request) {
  CopyMasked(request.mask, s.extKbSettings, request.values);
  return WriteExtKbSettings(r, request.mask, request.values);
}

RegResult LoadKeySensMap(Registry& r, SharedHookState& s) { return LoadRecord(r, s.keySensMap); }
KeySensMap* GetKeySensMap(const SharedHookState& s, KeySensMap* out) {
  return GetRecord(s.keySensMap, out);
}
RegResult SetKeySensMap(Registry& r, SharedHookState& s, const KeySensMap* map) {
  return SetRecord(r, s.keySensMap, map);
}
RegResult LoadKeySensStatus(Registry& r, SharedHookState& s) {
  return LoadStatus(r, status::kKeySens, s.keySensStatus);
}
RegResult SetKeySensStatus(Registry& r, SharedHookState& s, uint32_t value) {
  return SetStatus(r, status::kKeySens, s.keySensStatus, value);
}

RegResult LoadSymbMap(Registry& r, SharedHookState& s) { return LoadRecord(r, s.symbMap); }
SymbMap* GetSymbMap(const SharedHookState& s, SymbMap* out) { return GetRecord(s.symbMap, out); }
RegResult SetSymbMap(Registry& r, SharedHookState& s, const SymbMap* map) {
  return SetRecord(r, s.symbMap, map);
}
RegResult LoadSymbStatus(Registry& r, SharedHookState& s) {
  return LoadStatus(r, status::kSymb, s.symbStatus);
}
RegResult SetSymbStatus(Registry& r, SharedHookState& s, uint32_t value) {
  return SetStatus(r, status::kSymb, s.symbStatus, value);
}

RegResult LoadVrKbBrwMap(Registry& r, SharedHookState& s) { return LoadRecord(r, s.vrKbBrwMap); }
VrKbBrwMap* GetVrKbBrwMap(const SharedHookState& s, VrKbBrwMap* out) {
  return GetRecord(s.vrKbBrwMap, out);
}
RegResult SetVrKbBrwMap(Registry& r, SharedHookState& s, const VrKbBrwMap* map) {
  return SetRecord(r, s.vrKbBrwMap, map);
}
RegResult LoadVrKbBrwStatus(Registry& r, SharedHookState& s) {
  return LoadStatus(r, status::kVrKbBrw, s.vrKbBrwStatus);
}
RegResult SetVrKbBrwStatus(Registry& r, SharedHookState& s, uint32_t value) {
  return SetStatus(r, status::kVrKbBrw, s.vrKbBrwStatus, value);
}

}  // namespace tavel
