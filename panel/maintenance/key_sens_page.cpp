#include "panel/maintenance/key_sens_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {

CKmpKsnPg::CKmpKsnPg(PageEnvironment& env)
    : CSettingsPage(IDD_KEY_SENS_PAGE, IDC_KSN_DISABLED_HINT, IDC_KSN_ENABLE_BROWSER, env) {}

}  // namespace tavel::panel
