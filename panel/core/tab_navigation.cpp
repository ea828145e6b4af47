#include "panel/core/tab_navigation.h"

namespace tavel::panel {

int NeighbourTab(int current, int tabCount, int disabledTab, TabStep step, bool wrap) {
  int tab = current;
  for (int tried = 1; tried < tabCount; ++tried) {
    tab += static_cast<int>(step);
    if (tab < 0 || tab >= tabCount) {
      if (!wrap) return -1;
      tab = (tab + tabCount) % tabCount;
    }
    if (tab != disabledTab) return tab;
  }
  return -1;
}

int SelectionAfterDisabling(int selected, int disabledTab) {
  if (selected != disabledTab) return selected;
  return selected == 0 ? 1 : selected - 1;
}

}  // namespace tavel::panel
