// Moving between the sheet's tabs when one of them may be disabled.
#pragma once

namespace tavel::panel {

inline constexpr int kNoDisabledTab = -1;

enum class TabStep { Previous = -1, Next = 1 };

// The nearest enabled tab before or after `current`; with `wrap` the search
// continues from the other end. -1 when there is none.
int NeighbourTab(int current, int tabCount, int disabledTab, TabStep step, bool wrap);

// The tab to show after `disabledTab` became disabled: the one before the
// disabled selection (the next one when the first tab is disabled).
int SelectionAfterDisabling(int selected, int disabledTab);

}  // namespace tavel::panel
