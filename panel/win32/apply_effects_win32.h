#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/core/stored_settings.h"
#include "panel/maintenance/reset_sequence.h"
#include "platform/file_mapping.h"
#include "platform/window_messages.h"

namespace tavel::panel {

// Apply's and the reset's ways out: the registry (only what changed), the
// channel to the monitor and the hook library.
class Win32ApplyEffects : public ApplyEffects, public ResetEffects {
 public:
  Win32ApplyEffects(StoredSettings& stored, FileMappings& mappings, WindowMessages& windows)
      : stored_(stored), mappings_(mappings), windows_(windows) {}
  void SaveLayout(const PanelSettings& s) override;
  void WriteVrKb(const PanelSettings& s) override;
  void SendVrKb(const PanelSettings& s) override;
  void SwitchOffStickyKeysHotKey() override;
  void WriteExtKb(const PanelSettings& s) override;
  void SendExtKb(const PanelSettings& s) override;
  void WriteKeySens(const PanelSettings& s) override;
  void WriteSymb(const PanelSettings& s) override;
  void SendSymb(const PanelSettings& s) override;
  void WriteVrKbMaps(const PanelSettings& s) override;
  void WriteExtKbMap(const PanelSettings& s) override;
  void WriteKeySensMap(const PanelSettings& s) override;
  void WriteSymbMap(const PanelSettings& s) override;

 private:
  StoredSettings& stored_;
  FileMappings& mappings_;
  WindowMessages& windows_;
};

}  // namespace tavel::panel
