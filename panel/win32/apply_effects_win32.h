#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/maintenance/reset_sequence.h"
#include "platform/file_mapping.h"
#include "platform/registry.h"
#include "platform/window_messages.h"

namespace tavel::panel {

// Apply's and the reset's ways out: the registry, the channel to the monitor
// and the hook library.
class Win32ApplyEffects : public ApplyEffects, public ResetEffects {
 public:
  Win32ApplyEffects(Registry& registry, FileMappings& mappings, WindowMessages& windows)
      : registry_(registry), mappings_(mappings), windows_(windows) {}
  void SaveLayout(const PanelSettings& s) override;
  void WriteVrKb(const PanelSettings& s) override;
  void SendVrKb(const PanelSettings& s) override;
  void SwitchOffStickyKeysHotKey() override;
  void WriteExtKb(const PanelSettings& s) override;
  void SendExtKb(const PanelSettings& s) override;
  void WriteKeySens(const PanelSettings& s) override;
  void HandKeySensToHook(const PanelSettings& s) override;
  void WriteSymb(const PanelSettings& s) override;
  void SendSymb(const PanelSettings& s) override;
  void WriteVrKbMaps(const PanelSettings& s) override;
  void WriteExtKbMap(const PanelSettings& s) override;
  void WriteKeySensMap(const PanelSettings& s) override;
  void HandKeySensMapToHook(const PanelSettings& s) override;
  void WriteSymbMap(const PanelSettings& s) override;

 private:
  Registry& registry_;
  FileMappings& mappings_;
  WindowMessages& windows_;
};

}  // namespace tavel::panel
