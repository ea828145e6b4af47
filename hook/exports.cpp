#include "hook/exports.h"

#include <iterator>

namespace tavel {
namespace {

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

RegResult LoadExtKbSettings(Registry& registry, ExtKbSettings& shared) {
  ExtKbSettings copy;
  CopyWords(copy, shared);
  RegResult result = ReadExtKbSettings(registry, copy);
  if (result == reg::kSuccess) CopyWords(shared, copy);
  return result;
}

ExtKbSettingsRequest* GetExtKbSettings(const ExtKbSettings& shared,
                                       ExtKbSettingsRequest* request) {
  if (request) CopyMasked(request->mask, request->values, shared);
  return request;
}

RegResult SetExtKbSettings(Registry& registry, ExtKbSettings& shared,
                           const ExtKbSettingsRequest& request) {
  CopyMasked(request.mask, shared, request.values);
  return WriteExtKbSettings(registry, request.mask, request.values);
}

}  // namespace tavel
