#include "panel/maintenance/summary_view.h"

#include <windows.h>

#include "panel/framework/resource_text.h"
#include "panel/maintenance/summary_file.h"
#include "panel/maintenance/summary_report.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/user_shell_win32.h"

namespace tavel::panel {
namespace {

LocalTime Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

void ShowSummaryReport(PanelContext& context) {
  const PanelSettings& s = context.settings;
  const SummaryInput input{s.vrKbMap,  s.vrKbBrwMap, s.extKbMap, s.symbMap,
                           s.vrKbLangId, AskVaroButtonKind(context.registry)};
  const LocalTime now = Now();
  Win32FileSystem files;
  Win32UserShell shell;
  ShowSummary(files, shell, [&](const std::wstring& shownFolder) {
    return EncodeReport(BuildSummaryReport(input, ui::ResourceTexts(), shownFolder, now));
  });
}

}  // namespace tavel::panel
