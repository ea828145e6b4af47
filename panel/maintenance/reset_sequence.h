// Putting chosen groups of assignments back to their defaults: in memory, on
// the pages, in the registry and in the running monitor, then deciding
// afresh whether the monitor must run. The enable switches are left alone.
#pragma once

#include <cstdint>
#include <functional>

#include "panel/core/monitor_control.h"
#include "panel/core/panel_settings.h"

namespace tavel::panel {

enum ResetGroup : uint32_t {
  kResetNotebook = 0x01,
  kResetExternal = 0x02,
  kResetKeySensitivity = 0x04,
  kResetSpecialCharacters = 0x08,
};

// The pages show the new records.
class ResetPages {
 public:
  virtual ~ResetPages() = default;
  virtual void ResetNotebook(const VrKbMap& keys) = 0;
  virtual void ResetExternal(const ExtKbMap& map) = 0;
  virtual void ResetKeySensitivity(const KeySensMap& map) = 0;
  virtual void ResetSpecialCharacters(const SymbMap& map) = 0;
};

// Where the new records go.
class ResetEffects {
 public:
  virtual ~ResetEffects() = default;
  virtual void WriteVrKbMaps(const PanelSettings& s) = 0;
  virtual void SendVrKb(const PanelSettings& s) = 0;
  virtual void WriteExtKbMap(const PanelSettings& s) = 0;
  virtual void SendExtKb(const PanelSettings& s) = 0;
  // A changed map also goes to the hook library at once.
  virtual void WriteKeySensMap(const PanelSettings& s) = 0;
  virtual void WriteSymbMap(const PanelSettings& s) = 0;
  virtual void SendSymb(const PanelSettings& s) = 0;
};

struct ResetContext {
  PanelSettings& settings;
  ResetPages& pages;
  ResetEffects& effects;
  // The external keyboard's defaults depend on the machine, asked afresh.
  std::function<ExtKbMap()> externalDefaults;
  bool productEnabled;
  ProductState& state;
  MonitorControl& monitor;
};

// `mask`: ResetGroup bits; 0 changes nothing at all.
void RunReset(uint32_t mask, const ResetContext& c);

}  // namespace tavel::panel
