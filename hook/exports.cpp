#include "hook/exports.h"

namespace tavel {

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
  if (request) CopyMaskedExtKbSettings(request->mask, request->values, shared);
  return request;
}

RegResult SetExtKbSettings(Registry& registry, ExtKbSettings& shared,
                           const ExtKbSettingsRequest& request) {
  CopyMaskedExtKbSettings(request.mask, shared, request.values);
  return WriteExtKbSettings(registry, request.mask, request.values);
}

}  // namespace tavel
