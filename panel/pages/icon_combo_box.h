// A drop-down list that shows each item as an icon: item data is the index
// of the item's image, -1 for a text item. Only the item at position 0
// ("(not assigned)") shows its text. The owner passes on WM_MEASUREITEM and
// WM_DRAWITEM.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/framework/window.h"

namespace tavel::panel {

class CIconComboBox : public ui::CWindow {
 public:
  static constexpr LPARAM kTextItem = -1;

  void Attach(HWND combo);
  // Not owned; shared by several lists.
  void SetImageList(HIMAGELIST images) { images_ = images; }
  void Add(const wchar_t* text, LPARAM itemData);

  static void MeasureItem(MEASUREITEMSTRUCT& item);
  void DrawItem(const DRAWITEMSTRUCT& item) const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HIMAGELIST images_ = nullptr;
  int widestExtent_ = 0;
};

}  // namespace tavel::panel
