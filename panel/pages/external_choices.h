// What the external keyboard page holds while the user works: a two-key
// combination for each of the ten Fn functions, in ExtKbMap order, and which
// of the machine-dependent rows the notebook has.
#pragma once

#include "common/records.h"
#include "panel/pages/branded_button.h"
#include "panel/pages/key_rows.h"
#include "platform/device_io.h"
#include "platform/library_loader.h"
#include "platform/system_info.h"

namespace tavel::panel {

// Which functions the machine has, as the page shows them.
struct ExternalRowCapabilities {
  bool brandedButton = false;  // row 3: driver button, Ostra 4 or Velmora
  bool wirelessRadio = false;  // row 6, from the hot-key interface library
  bool dovra = false;          // row 7, likewise
  bool lumara = false;         // row 9, from the hot-key driver
};

// Every question is put to the machine now; a key, device or library that
// cannot be reached answers no.
ExternalRowCapabilities AskExternalRowCapabilities(DeviceIo& io, Registry& registry,
                                                   SystemInfo& system, LibraryLoader& loader);
// Row 3 alone: the driver's button, Ostra 4 or Velmora.
bool HasBrandedButton(DeviceIo& io, Registry& registry);

enum class RowPresence { Usable, Disabled, Hidden };
RowPresence PresenceOf(ExtKbFunction row, const ExternalRowCapabilities& capabilities);

class ExternalChoices {
 public:
  static constexpr size_t kRows = ExtKbMap::kEntries;

  ExternalChoices() : rows_(kRows, FirstKeyTable, ExtSecondKeyTable) {}

  // Every row, hidden and disabled ones too, takes part in the rules and in
  // the record: their combinations stay in force for other machines.
  ComboRows& Rows() { return rows_; }
  const ComboRows& Rows() const { return rows_; }

  void LoadPageChoices(const ExtKbMap& map);
  ExtKbMap BuildPageRecord() const;

  // The function names of the rows, for the incomplete-row message; row 3
  // by the branded button's kind.
  static unsigned RowNameId(size_t row, VaroButtonKind kind);

 private:
  ComboRows rows_;
};

}  // namespace tavel::panel
