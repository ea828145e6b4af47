#include "panel/maintenance/summary_file.h"

#include "panel/maintenance/decimal_text.h"

namespace tavel::panel {
namespace {

// Longer paths than the system's classic limit are refused rather than cut.
constexpr size_t kMaxPath = 259;
// Reports that cannot be replaced are rare; a hundred of them means something
// else is wrong.
constexpr int kMaxNumberedName = 99;

std::wstring LastComponent(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<SummaryFolder> ChooseSummaryFolder(UserShell& shell) {
  if (const auto documents = shell.DocumentsFolder(); documents && !documents->empty()) {
    return SummaryFolder{*documents + L"\\", LastComponent(*documents)};
  }
  // Never the Windows system folder: the temporary folder is the user's own.
  const std::wstring temporary = shell.TemporaryFolder();
  if (temporary.empty()) return std::nullopt;
  return SummaryFolder{temporary, temporary};
}

std::optional<std::wstring> ChooseSummaryFile(FileSystem& files, const std::wstring& folder) {
  for (int n = 0; n <= kMaxNumberedName; ++n) {
    const std::wstring number = n == 0 ? std::wstring() : DecimalText(static_cast<unsigned>(n));
    const std::wstring name = folder + L"TVKSmry" + number + L".txt";
    if (name.size() > kMaxPath) return std::nullopt;
    if (!files.Exists(name) || files.Delete(name)) return name;
  }
  return std::nullopt;
}

void ShowSummary(FileSystem& files, UserShell& shell,
                 const std::function<std::string(const std::wstring& shownFolder)>& report) {
  const auto folder = ChooseSummaryFolder(shell);
  const auto file = folder ? ChooseSummaryFile(files, folder->path) : std::nullopt;
  if (!file) return;
  if (files.Write(*file, report(folder->shownName))) files.MakeReadOnly(*file);
  // Even without the file: Notepad then says it is missing.
  shell.OpenInNotepad(*file);
}

}  // namespace tavel::panel
