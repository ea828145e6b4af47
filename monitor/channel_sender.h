// The sending side of the settings channel, used by the configuration
// program (and by tests that stand in for it).
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/channel_records.h"
#include "platform/file_mapping.h"
#include "platform/window_messages.h"

namespace tavel {

// One complete exchange: fresh mapping of exactly the record's size, the
// record copied in, a synchronous message to the monitor of this desktop if
// one runs, then the mapping closed. Returns true when the message was sent.
bool SendChannelBytes(FileMappings& mappings, WindowMessages& windows, uint32_t message,
                      const void* record, size_t size);

template <typename Record>
bool SendChannelRecord(FileMappings& mappings, WindowMessages& windows, const Record& record) {
  return SendChannelBytes(mappings, windows, Record::kMessage, &record, sizeof record);
}

}  // namespace tavel
