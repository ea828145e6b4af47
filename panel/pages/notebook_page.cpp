#include "panel/pages/notebook_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {

CKmpTKbPg::CKmpTKbPg(PageEnvironment& env)
    : CSettingsPage(IDD_NOTEBOOK_KB_PAGE, IDC_TKB_DISABLED_HINT, IDC_TKB_ENABLE, env) {}

NotebookPageValues CKmpTKbPg::Values() const {
  const PanelSettings& s = Settings();
  const Vk windowsKey = s.vrKbMap.entries[0].physicalKey;
  return {EnableCheck(), s.vrKbLangId, windowsKey == vk::LShift || windowsKey == vk::RShift,
          s.vrKbMap, s.vrKbBrwMap};
}

}  // namespace tavel::panel
