// The main dialog below the caption band: the heading, the settings sheet
// and the Options, Apply, Close and Help buttons.
#pragma once

#include <windows.h>

#include "panel/core/focus_cycle.h"
#include "panel/framework/dialog.h"
#include "panel/maintenance/options_outcome.h"
#include "panel/panel_context.h"
#include "panel/settings_page.h"
#include "panel/settings_sheet.h"
#include "panel/sheet_pages.h"

namespace tavel::panel {

class CTavelKWnd : public ui::CDialog {
 public:
  explicit CTavelKWnd(PanelContext& context);
  ~CTavelKWnd() override;

  void RecreateBackgroundBrush();
  void RefreshTabStrip();
  // Flat Options, plain Apply and Help, Close as the default button with the focus.
  void ResetButtonsAndFocusClose();
  // Keyboard handling of the message loop; true when the message was used.
  bool PreTranslate(MSG& msg);
  // For the ways out of the program.
  void StopKeyTest() { pages_.keySens.StopKeyTest(); }

 protected:
  BOOL OnInitDialog() override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void PlaceSheet();
  void Apply();
  void OpenOptions();
  ResetContext ResetWith(bool productEnabled);
  ExtKbMap ExternalDefaults();
  void CloseProgram();
  bool CycleFocus(bool shift);
  FocusPlace PlaceOf(HWND focus) const;
  HWND WindowFor(FocusPlace place) const;

  PanelContext& context_;
  ProductSwitch product_;
  PageEnvironment pageEnvironment_;
  SheetPages pages_;
  CKmpPtSht sheet_;
  HBRUSH background_ = nullptr;
};

}  // namespace tavel::panel
