// What the registry holds of the user's settings as far as this program
// knows: what it read at its start and what it wrote since. Apply, the reset
// and Options write through here, and only the values that differ from it.
// So a value the user did not change keeps its stored bytes, whatever their
// type or length: one this program cannot read at all reads as its default
// and stays as it is until the user changes the setting.
#pragma once

#include <cstdint>

#include "panel/core/panel_settings.h"
#include "platform/registry.h"

namespace tavel::panel {

class StoredSettings {
 public:
  StoredSettings(Registry& registry, const PanelSettings& asRead)
      : registry_(registry), stored_(asRead) {}

  // Each writes the values of `s` it names that differ from the stored ones
  // and returns true (or the mask bits) of those it wrote.
  bool WriteLayout(const PanelSettings& s);
  void WriteVrKbStatuses(const PanelSettings& s);  // VrKbAsgnsStatus, VrKbBrwAsgnsStatus
  void WriteVrKbMaps(const PanelSettings& s);      // Mapdata, MapdataBrw
  // The ExtKbSettings values among `mask`.
  uint32_t WriteExtKbSettings(const PanelSettings& s, uint32_t mask);
  bool WriteExtKbMap(const PanelSettings& s);
  bool WriteKeySensStatus(const PanelSettings& s);
  bool WriteKeySensMap(const PanelSettings& s);
  bool WriteSymbStatus(const PanelSettings& s);
  bool WriteSymbMap(const PanelSettings& s);

 private:
  Registry& registry_;
  PanelSettings stored_;
};

}  // namespace tavel::panel
