#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

#include "common/defaults.h"
#include "panel/maintenance/summary_file.h"
#include "panel/maintenance/summary_report.h"
#include "tests/unit/panel/string_table.h"

namespace tavel::panel {
namespace {

// A language's string table, English by default.
class LanguageTexts : public TextSource {
 public:
  explicit LanguageTexts(const std::string& file = "strings_en.rc")
      : table_(test::ReadStringTable(test::ReadDefines(), file)) {}
  std::wstring Text(unsigned id) const override {
    const auto text = table_.find(static_cast<long>(id));
    return text == table_.end() ? L"?" : text->second;
  }

 private:
  std::map<long, std::wstring> table_;
};

constexpr LocalTime kNow{2026, 12, 7, 14, 5, 9};

// The report's bytes against a file of this folder; TAVEL_UPDATE_GOLDEN=1
// writes the file instead (review it before committing).
void ExpectGolden(const std::string& name, const SummaryInput& input) {
  const std::string bytes =
      EncodeReport(BuildSummaryReport(input, LanguageTexts(), L"Documents", kNow));
  const std::string path = std::string(TAVEL_GOLDEN_DIR) + "/" + name;
  if (std::getenv("TAVEL_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_EQ(bytes, test::ReadFile(path)) << "differs from " << path;
}

SummaryInput Defaults() {
  return {DefaultVrKbMap(), DefaultVrKbBrwMap(), ResetExtKbMap({}), DefaultSymbMap(), 29,
          VaroButtonKind::Varo};
}

TEST(SummaryReport, Defaults) { ExpectGolden("summary_defaults.txt", Defaults()); }

TEST(SummaryReport, EveryRowInForceWithTheLongestNames) {
  SummaryInput in{};
  in.vrKbMap = {{{vk::RShift, vk::LWin}, {vk::LControl, vk::Apps}}};
  in.vrKbBrwMap = {{{vk::RShift, vk::BrowserForward},
                    {vk::LControl, vk::BrowserBack},
                    {vk::RMenu, vk::BrowserForward}}};
  const Vk seconds[ExtKbMap::kEntries] = {vk::Up,  vk::Down, vk::Left, vk::Right, vk::F4,
                                          vk::F12, vk::F5,   vk::F9,   vk::Space, vk::F7};
  for (size_t i = 0; i < ExtKbMap::kEntries; ++i) {
    in.extKbMap.entries[i] = {i % 2 ? vk::RShift : vk::LMenu, seconds[i]};
  }
  for (uint32_t row = 0; row < SymbMap::kEntries; ++row) {
    in.symbMap.entries[row] = {11 - row, row % 2 ? vk::LShift : vk::RShift, vk::Digit1 + row};
  }
  in.layout = 8;  // German names
  in.buttonKind = VaroButtonKind::Velmora;
  ExpectGolden("summary_full.txt", in);
}

// The headings and the closing box stay, whatever is assigned.
TEST(SummaryReport, NoAssignments) {
  SummaryInput in{};
  in.layout = 29;
  in.buttonKind = VaroButtonKind::Varo;
  ExpectGolden("summary_empty.txt", in);
}

TEST(SummaryReport, TheBrandedButtonRowIsNamedByThePlatformChecks) {
  const std::pair<VaroButtonKind, std::wstring> kinds[] = {
      {VaroButtonKind::Velmora, L"\tVelmora "}, {VaroButtonKind::Ostra, L"\tOstra "},
      {VaroButtonKind::Varo, L"\tVaro "}};
  for (const auto& [kind, label] : kinds) {
    SummaryInput in = Defaults();
    in.extKbMap.entries[kExtBrandedButton] = {vk::RControl, vk::F1};
    in.buttonKind = kind;
    const std::wstring report = BuildSummaryReport(in, LanguageTexts(), L"Documents", kNow);
    EXPECT_NE(report.find(label), std::wstring::npos);
  }
}

// Columns as Notepad's fixed-pitch font shows them: two for each Chinese,
// Japanese or Korean character.
size_t Columns(const std::wstring& text) {
  size_t columns = 0;
  for (wchar_t c : text) columns += c >= 0x1100 ? 2 : 1;
  return columns;
}

TEST(SummaryReport, JapaneseRowsLineUpInNotepadsColumns) {
  SummaryInput in = Defaults();
  in.vrKbBrwMap.entries[0] = {vk::RShift, vk::BrowserBack};
  in.vrKbBrwMap.entries[2] = {vk::LControl, vk::BrowserForward};
  const std::wstring report = BuildSummaryReport(in, LanguageTexts("strings_ja.rc"), L"Documents", kNow);
  std::vector<std::wstring> lines;
  for (size_t at = 0, end; (end = report.find(L"\r\n", at)) != std::wstring::npos; at = end + 2) {
    lines.push_back(report.substr(at, end - at));
  }
  // The notebook section: Windows key, then two combinations.
  std::vector<size_t> equals, plus;
  for (const std::wstring& line : lines) {
    if (line.find(L" = ") == std::wstring::npos || line.find(L"\t") != 0) continue;
    equals.push_back(Columns(line.substr(0, line.find(L" = "))));
    if (line.find(L" + ") != std::wstring::npos) plus.push_back(Columns(line.substr(0, line.find(L" + "))));
    if (equals.size() == 3) break;
  }
  ASSERT_EQ(equals.size(), 3u);
  EXPECT_EQ(equals[0], equals[1]);
  EXPECT_EQ(equals[1], equals[2]);
  ASSERT_EQ(plus.size(), 2u);
  EXPECT_EQ(plus[0], plus[1]);
  // The rules are ten columns longer than the widest line between them.
  size_t widest = 0;
  for (const std::wstring& line : lines) {
    if (line.rfind(L"\t", 0) == 0) widest = std::max(widest, Columns(line.substr(1)));
  }
  EXPECT_EQ(Columns(lines[2]), widest + 10);
}

TEST(SummaryReport, ATranslatedReportIsUtf8WithAByteOrderMark) {
  EXPECT_EQ(EncodeReport(L"A\r\n"), "A\r\n");
  EXPECT_EQ(EncodeReport(L"\u00c4\u20ac"), "\xEF\xBB\xBF\xC3\x84\xE2\x82\xAC");
}

// ----------------------------------------------------------------- the file

class FakeFiles : public FileSystem {
 public:
  bool Exists(const std::wstring& path) override { return files.count(path) != 0; }
  bool Delete(const std::wstring& path) override {
    if (locked.count(path)) return false;
    files.erase(path);
    readOnly.erase(path);
    return true;
  }
  bool Write(const std::wstring& path, const std::string& bytes) override {
    if (locked.count(path) || readOnly.count(path)) return false;
    files[path] = bytes;
    return true;
  }
  bool MakeReadOnly(const std::wstring& path) override {
    readOnly.insert(path);
    return true;
  }
  std::map<std::wstring, std::string> files;
  std::set<std::wstring> readOnly, locked;
};

class FakeShell : public UserShell {
 public:
  std::optional<std::wstring> DocumentsFolder() override { return documents; }
  std::wstring TemporaryFolder() override { return L"C:\\Users\\u\\Temp\\"; }
  bool OpenInNotepad(const std::wstring& file) override {
    opened.push_back(file);
    return true;
  }
  std::optional<std::wstring> documents = L"C:\\Users\\u\\Documents";
  std::vector<std::wstring> opened;
};

TEST(SummaryFile, AnEarlierReadOnlyReportIsReplacedAndTheNewOneIsReadOnly) {
  FakeFiles files;
  FakeShell shell;
  const std::wstring report = L"C:\\Users\\u\\Documents\\TVKSmry.txt";
  files.files[report] = "old";
  files.readOnly.insert(report);
  ShowSummary(files, shell, [](const std::wstring& shown) {
    return "saved in " + std::string(shown.begin(), shown.end());
  });
  EXPECT_EQ(files.files[report], "saved in Documents");
  EXPECT_TRUE(files.readOnly.count(report));
  EXPECT_EQ(shell.opened, std::vector<std::wstring>{report});
}

TEST(SummaryFile, ReportsThatCannotBeReplacedLeadToNumberedNames) {
  FakeFiles files;
  const std::wstring folder = L"C:\\D\\";
  files.files[folder + L"TVKSmry.txt"] = files.files[folder + L"TVKSmry1.txt"] = "open";
  files.locked = {folder + L"TVKSmry.txt", folder + L"TVKSmry1.txt"};
  EXPECT_EQ(ChooseSummaryFile(files, folder), folder + L"TVKSmry2.txt");
  for (int n = 2; n < 100; ++n) {
    const std::wstring name = folder + L"TVKSmry" + std::to_wstring(n) + L".txt";
    files.files[name] = "open";
    files.locked.insert(name);
  }
  EXPECT_EQ(ChooseSummaryFile(files, folder), std::nullopt);  // the search ends
}

TEST(SummaryFile, NamesPastThePathLimitAreRefusedNotCut) {
  FakeFiles files;
  EXPECT_EQ(ChooseSummaryFile(files, std::wstring(250, L'd') + L"\\"), std::nullopt);
  FakeShell shell;
  shell.documents = std::wstring(250, L'd');
  ShowSummary(files, shell, [](const std::wstring&) { return std::string("x"); });
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(files.files.empty());
}

TEST(SummaryFile, WithoutADocumentsFolderTheReportGoesToTheTemporaryFolder) {
  FakeShell shell;
  shell.documents = std::nullopt;
  const auto folder = ChooseSummaryFolder(shell);
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->path, L"C:\\Users\\u\\Temp\\");
  EXPECT_EQ(folder->shownName, L"C:\\Users\\u\\Temp\\");
  shell.documents = L"C:\\Users\\u\\My Documents";
  EXPECT_EQ(ChooseSummaryFolder(shell)->shownName, L"My Documents");
}

TEST(SummaryFile, AFileThatCannotBeWrittenIsStillOpenedForNotepadToReport) {
  FakeFiles files;
  FakeShell shell;
  files.locked.insert(L"C:\\Users\\u\\Documents\\TVKSmry.txt");  // locked but not there yet
  ShowSummary(files, shell, [](const std::wstring&) { return std::string("x"); });
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_TRUE(files.readOnly.empty());
}

}  // namespace
}  // namespace tavel::panel
