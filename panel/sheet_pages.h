// The four pages of the sheet, in tab order, as Apply sees them.
#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/maintenance/reset_sequence.h"
#include "panel/maintenance/key_sens_page.h"
#include "panel/pages/external_page.h"
#include "panel/pages/notebook_page.h"
#include "panel/pages/symb_page.h"

namespace tavel::panel {

class SheetPages : public SettingsPages, public ResetPages {
 public:
  explicit SheetPages(PageEnvironment& env)
      : notebook(env), external(env), keySens(env), symbols(env) {}

  bool ValidateNotebook() override { return notebook.ValidateCompleteRows(); }
  bool ValidateExternal() override { return external.ValidateCompleteRows(); }
  bool ValidateSymbols() override { return symbols.ValidateCompleteRows(); }
  NotebookPageValues Notebook() override { return notebook.Values(); }
  ExternalPageValues External() override { return external.Values(); }
  KeySensPageValues KeySens() override { return keySens.Values(); }
  SymbMap Symbols() override { return symbols.Values(); }

  void ResetNotebook(const VrKbMap& keys) override { notebook.ResetTo(keys); }
  void ResetExternal(const ExtKbMap& map) override { external.ResetTo(map); }
  void ResetKeySensitivity(const KeySensMap& map) override { keySens.ResetTo(map); }
  void ResetSpecialCharacters(const SymbMap& map) override { symbols.ResetTo(map); }

  CSettingsPage& At(int index) {
    CSettingsPage* pages[] = {&notebook, &external, &keySens, &symbols};
    return *pages[index];
  }

  CKmpTKbPg notebook;
  CKmpEKbPg external;
  CKmpKsnPg keySens;
  CKmpSmbPg symbols;
};

}  // namespace tavel::panel
