// Where the Tab key moves the focus between the tab strip, the current page
// and the main dialog's buttons. Other moves are the dialog manager's.
#pragma once

#include <optional>

namespace tavel::panel {

enum class FocusPlace { TabStrip, FirstPageControl, LastPageControl, OptionsButton, HelpButton, Other };

// Nothing when the dialog manager's own order applies.
std::optional<FocusPlace> NextFocus(FocusPlace current, bool shift, bool productDisabled);

}  // namespace tavel::panel
