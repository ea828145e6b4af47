#include "panel/pages/symb_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {

CKmpSmbPg::CKmpSmbPg(PageEnvironment& env)
    : CSettingsPage(IDD_SPECIAL_CHAR_PAGE, IDC_SMB_DISABLED_HINT, 0, env) {}

}  // namespace tavel::panel
