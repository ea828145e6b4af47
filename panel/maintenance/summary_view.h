// "View Summary...": the report of the saved assignments, written and shown.
#pragma once

#include "panel/panel_context.h"

namespace tavel::panel {

void ShowSummaryReport(PanelContext& context);

}  // namespace tavel::panel
