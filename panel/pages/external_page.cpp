#include "panel/pages/external_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {

CKmpEKbPg::CKmpEKbPg(PageEnvironment& env)
    : CSettingsPage(IDD_EXTERNAL_KB_PAGE, IDC_EKB_DISABLED_HINT, IDC_EKB_ENABLE, env) {}

}  // namespace tavel::panel
