// The Load, Get and Set operations the hook library exports for each of its
// settings items, over the settings store and the shared state. Load copies
// the registry into the shared state, Get copies the shared state out, Set
// stores into the shared state and then writes the registry. Results are
// registry error codes (0 or the Win32 code of the failed open or create).
#pragma once

#include <cstdint>

#include "common/records.h"
#include "common/settings_store.h"
#include "hook/word_copy.h"
#include "platform/registry.h"

namespace tavel {

// A Set given no record: nothing is stored or written.
inline constexpr RegResult kInvalidParameter = 87;

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

// A missing value gives the status its default; a missing key leaves it.
RegResult LoadStatus(Registry& registry, const StatusValue& which, uint32_t& shared);
// Stores even when the key is missing and the write fails.
RegResult SetStatus(Registry& registry, const StatusValue& which, uint32_t& shared,
                    uint32_t value);

RegResult LoadExtKbSettings(Registry& registry, ExtKbSettings& shared);
// Fills in only the values whose bit is set in request->mask.
ExtKbSettingsRequest* GetExtKbSettings(const ExtKbSettings& shared,
                                       ExtKbSettingsRequest* request);
// Stores and writes only the values whose bit is set in request.mask.
RegResult SetExtKbSettings(Registry& registry, ExtKbSettings& shared,
                           const ExtKbSettingsRequest& request);

}  // namespace tavel
