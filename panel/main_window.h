// The configuration program's top-level window: title, icons and system
// menu, the caption band above the main dialog, its size taken from the main
// dialog's template, the keyboard re-check after device changes, and the end
// of the program.
#pragma once

#include "panel/caption_band.h"
#include "panel/framework/window.h"
#include "panel/main_dialog.h"
#include "panel/panel_context.h"

namespace tavel::panel {

class CTavelMWnd : public ui::CWindow {
 public:
  CTavelMWnd(PanelContext& context, std::function<bool()> makerKeyboardAttached);

  bool Create();
  // Everything before the window is first shown.
  void Initialize();
  // Runs until Close, SC_CLOSE or a WM_QUIT ends it.
  void RunModalLoop();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetIconsAndTitle();
  void TrimSystemMenu();
  void Layout(bool center);
  void Relayout();
  void RecheckKeyboard();
  void OnTimer(UINT_PTR id);
  LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
  void EndModalLoop();

  PanelContext& context_;
  std::function<bool()> makerKeyboardAttached_;
  CTavelCapWnd band_;
  CTavelKWnd dialog_;
  bool layoutDone_ = false;
  bool inLayout_ = false;
  bool continueModal_ = false;
};

}  // namespace tavel::panel
