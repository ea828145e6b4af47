#include "panel/maintenance/summary_report.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "panel/maintenance/decimal_text.h"
#include "panel/pages/key_tables.h"
#include "panel/pages/keyboard_layouts.h"
#include "panel/pages/symb_choices.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr wchar_t kLineEnd[] = L"\r\n";

// One assignment: "label = key" or "label = first + second".
struct Row {
  std::wstring label;
  std::wstring first;
  std::optional<std::wstring> second;
};

// Notepad shows the report in a fixed-pitch font, where Chinese, Japanese
// and Korean characters take two columns.
bool TakesTwoColumns(wchar_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

size_t Columns(const std::wstring& text) {
  size_t columns = 0;
  for (wchar_t c : text) columns += TakesTwoColumns(c) ? 2 : 1;
  return columns;
}

std::wstring Padded(const std::wstring& text, size_t width) {
  const size_t columns = Columns(text);
  return text + std::wstring(width > columns ? width - columns : 0, L' ');
}

// Labels line up their " = ", combinations their " + ": the first keys are
// padded to the longest key name of the section, single keys included.
std::vector<std::wstring> RowTexts(const std::vector<Row>& rows) {
  size_t labelWidth = 0, keyWidth = 0;
  for (const Row& row : rows) {
    labelWidth = std::max(labelWidth, Columns(row.label));
    keyWidth = std::max(keyWidth, Columns(row.first));
  }
  std::vector<std::wstring> texts;
  for (const Row& row : rows) {
    std::wstring text = Padded(row.label, labelWidth) + L" = ";
    text += row.second ? Padded(row.first, keyWidth) + L" + " + *row.second : row.first;
    texts.push_back(text);
  }
  return texts;
}

std::wstring KeyName(const TextSource& texts, KeyTable table, Vk code) {
  return texts.Text(table[VkToChoice(table, code)].textId);
}

std::vector<Row> NotebookRows(const SummaryInput& in, const TextSource& texts) {
  const auto keys = ModifierListForLayout(in.layout);
  auto notebookKey = [&](Vk code) { return KeyName(texts, keys, code); };
  std::vector<Row> rows;
  const unsigned singleLabels[] = {IDS_SUMMARY_WINDOWS_KEY, IDS_SUMMARY_APP_KEY};
  for (size_t i = 0; i < VrKbMap::kEntries; ++i) {
    const Vk key = in.vrKbMap.entries[i].physicalKey;
    if (key != vk::None) rows.push_back({texts.Text(singleLabels[i]), notebookKey(key), {}});
  }
  const unsigned comboLabels[] = {IDS_FN_CD_EJECT, IDS_FN_VOLUME_UP_CONTROL,
                                  IDS_FN_VOLUME_DOWN_CONTROL};
  for (size_t i = 0; i < VrKbBrwMap::kEntries; ++i) {
    const KeyCombo& combo = in.vrKbBrwMap.entries[i];
    if (combo.secondKey == vk::None) continue;
    rows.push_back({texts.Text(comboLabels[i]), notebookKey(combo.firstKey),
                    KeyName(texts, BrowserSecondKeyTable, combo.secondKey)});
  }
  return rows;
}

std::vector<Row> ExternalRows(const SummaryInput& in, const TextSource& texts) {
  const unsigned labels[ExtKbMap::kEntries] = {
      IDS_FN_VOLUME_UP, IDS_FN_VOLUME_DOWN, IDS_FN_VOLUME_MUTE, TextsOf(in.buttonKind).functionNameId,
      IDS_FN_STANDBY,   IDS_FN_HIBERNATE,   IDS_FN_WIRELESS_RADIO, IDS_FN_DOVRA,
      IDS_FN_MAGNIFIER, IDS_FN_LUMARA};
  std::vector<Row> rows;
  for (size_t i = 0; i < ExtKbMap::kEntries; ++i) {
    const KeyCombo& combo = in.extKbMap.entries[i];
    if (combo.secondKey == vk::None) continue;
    rows.push_back({texts.Text(labels[i]), KeyName(texts, FirstKeyTable, combo.firstKey),
                    KeyName(texts, ExtSecondKeyTable, combo.secondKey)});
  }
  return rows;
}

// A row types something only with a character the monitor knows.
std::vector<Row> SpecialCharacterRows(const SummaryInput& in, const TextSource& texts) {
  std::vector<Row> rows;
  for (const SymbEntry& entry : in.symbMap.entries) {
    const uint32_t c = entry.characterChoice;
    if (c < 1 || c > kSpecialCharacterCount || entry.secondKey == vk::None) continue;
    rows.push_back({texts.Text(SymbChoices::CharacterNameId(static_cast<int32_t>(c))),
                    KeyName(texts, FirstKeyTable, entry.firstKey),
                    KeyName(texts, NumberSecondKeyTable, entry.secondKey)});
  }
  return rows;
}

std::wstring TwoDigits(int value) {
  std::wstring text = DecimalText(static_cast<unsigned>(value % 100));
  return text.size() < 2 ? L"0" + text : text;
}

// The date pattern's inserts: %1!s! month, %2!s! day, %3!s! year.
std::wstring FormatDate(std::wstring pattern, const LocalTime& t) {
  const std::wstring inserts[] = {TwoDigits(t.month), TwoDigits(t.day), DecimalText(static_cast<unsigned>(t.year))};
  for (size_t i = 0; i < std::size(inserts); ++i) {
    const std::wstring mark = L"%" + DecimalText(static_cast<unsigned>(i + 1)) + L"!s!";
    for (size_t at = pattern.find(mark); at != std::wstring::npos;
         at = pattern.find(mark, at + inserts[i].size())) {
      pattern.replace(at, mark.size(), inserts[i]);
    }
  }
  return pattern;
}

class ReportWriter {
 public:
  void Labelled(const std::wstring& label, const std::wstring& value) {
    text_ += label + L": " + value + kLineEnd;
  }
  void Line(const std::wstring& line) { text_ += line + kLineEnd; }
  void Indented(const std::wstring& line) { Line(L"\t" + line); }
  void Rule(wchar_t c, size_t length) { Line(std::wstring(length, c)); }
  void IndentedRule(wchar_t c, size_t length) { Indented(std::wstring(length, c)); }
  std::wstring Take() { return std::move(text_); }

 private:
  std::wstring text_;
};

}  // namespace

std::wstring BuildSummaryReport(const SummaryInput& input, const TextSource& texts,
                                const std::wstring& shownFolder, const LocalTime& now) {
  const std::wstring title = texts.Text(IDS_SUMMARY_TITLE);
  const std::wstring notebook = texts.Text(IDS_SUMMARY_NOTEBOOK);
  const std::wstring external = texts.Text(IDS_SUMMARY_EXTERNAL);
  const std::wstring special = texts.Text(IDS_SUMMARY_SPECIAL);
  const std::wstring end = texts.Text(IDS_SUMMARY_END);
  const std::vector<std::wstring> sections[] = {RowTexts(NotebookRows(input, texts)),
                                                RowTexts(ExternalRows(input, texts)),
                                                RowTexts(SpecialCharacterRows(input, texts))};
  size_t longest = std::max({Columns(title), Columns(notebook), Columns(external), Columns(special),
                             Columns(end)});
  for (const auto& rows : sections) {
    for (const std::wstring& row : rows) longest = std::max(longest, Columns(row));
  }
  const size_t ruleLength = longest + 10;

  ReportWriter report;
  report.Labelled(texts.Text(IDS_SUMMARY_FILE_PATH), shownFolder);
  const std::wstring time = TwoDigits(now.hour) + L":" + TwoDigits(now.minute) + L":" +
                            TwoDigits(now.second);
  report.Labelled(texts.Text(IDS_SUMMARY_MODIFIED),
                  FormatDate(texts.Text(IDS_SUMMARY_DATE_FORMAT), now) + L" " + time);
  report.Rule(L'_', ruleLength);
  report.Line(L"");
  report.Indented(title);
  report.Rule(L'_', ruleLength);
  report.Line(L"");
  // Each section's dashes are as long as its heading's reference plus five.
  const std::wstring headings[] = {notebook, external, special};
  const size_t dashes[] = {Columns(title) + 5, Columns(external) + 5, Columns(special) + 5};
  for (size_t s = 0; s < std::size(sections); ++s) {
    report.IndentedRule(L'-', dashes[s]);
    report.Indented(headings[s]);
    report.IndentedRule(L'-', dashes[s]);
    for (const std::wstring& row : sections[s]) {
      report.Indented(row);
      report.Line(L"");
    }
  }
  report.Rule(L'_', ruleLength);
  report.Line(L"");
  report.Indented(end);
  report.Rule(L'_', ruleLength);
  return report.Take();
}

std::string EncodeReport(const std::wstring& report) {
  const bool ascii = std::all_of(report.begin(), report.end(), [](wchar_t c) { return c < 0x80; });
  std::string bytes = ascii ? "" : "\xEF\xBB\xBF";
  for (size_t i = 0; i < report.size(); ++i) {
    uint32_t c = static_cast<uint32_t>(report[i]);
    // A UTF-16 surrogate pair is one character.
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < report.size()) {
      const uint32_t low = static_cast<uint32_t>(report[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | (c >> 12));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (c >> 18));
      bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

}  // namespace tavel::panel
