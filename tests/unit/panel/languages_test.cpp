// Every language of the user interface shares the dialog templates and has
// its own strings_<language>.rc. A text missing from one language shows up
// only at run time, as an empty label or message, and only in that language;
// an accelerator letter given to two controls of one window makes Alt+letter
// jump between them instead of reaching the one it names. These tests read
// the resource sources and check both for every language.
#include <gtest/gtest.h>

#include <cwctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "panel/core/spoken_names.h"
#include "panel/maintenance/key_sens_rows.h"
#include "panel/pages/external_choices.h"
#include "panel/pages/notebook_choices.h"
#include "panel/pages/symb_choices.h"
#include "panel/res/resource.h"
#include "tests/unit/panel/string_table.h"

namespace {

namespace fs = std::filesystem;
using tavel::test::Defines;
using tavel::test::LanguageFiles;
using tavel::test::ReadDefines;
using tavel::test::ReadDialogTexts;
using tavel::test::ReadFile;
using tavel::test::ReadStringTable;

const fs::path kDialogs = fs::path(TAVEL_PANEL_RES_DIR) / "dialogs";

using StringTable = std::map<long, std::wstring>;
using DialogTexts = std::map<std::string, std::wstring>;

struct Language {
  std::string file;
  StringTable strings;
  DialogTexts dialogTexts;
};

std::vector<Language> ReadLanguages() {
  const Defines defines = ReadDefines();
  std::vector<Language> languages;
  for (const std::string& file : LanguageFiles()) {
    languages.push_back({file, ReadStringTable(defines, file), ReadDialogTexts(file)});
  }
  return languages;
}

// The text of each control and caption of a template file: a TXT_ name, or
// a quoted literal.
std::vector<std::string> TemplateTexts(const std::string& file) {
  const std::regex text(
      R"(^\s*(?:CAPTION|LTEXT|CTEXT|RTEXT|PUSHBUTTON|DEFPUSHBUTTON|AUTOCHECKBOX|GROUPBOX|CONTROL)\s+(TXT_\w+|"[^"]*"))");
  std::vector<std::string> texts;
  std::istringstream lines(ReadFile((kDialogs / file).string()));
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, m, text)) texts.push_back(m[1]);
  }
  return texts;
}

std::vector<std::string> TemplateFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(kDialogs)) files.push_back(entry.path().filename().string());
  return files;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

// The printf and FormatMessage inserts of a text; a language may put
// numbered ones in another order.
std::multiset<std::wstring> Inserts(const std::wstring& text) {
  const std::wregex insert(LR"(%(?:\d+!s!|s|d))");
  std::multiset<std::wstring> found;
  for (std::wsregex_iterator it(text.begin(), text.end(), insert), end; it != end; ++it) {
    found.insert(it->str());
  }
  return found;
}

// The accelerator letters of a text: the characters after single '&'s.
std::vector<wchar_t> Accelerators(const std::wstring& text) {
  std::vector<wchar_t> letters;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') letters.push_back(static_cast<wchar_t>(std::towupper(text[i + 1])));
    ++i;
  }
  return letters;
}

TEST(PanelLanguages, ThereAreElevenWithEnglishFirst) {
  const auto files = LanguageFiles();
  ASSERT_EQ(files.size(), 11u);
  EXPECT_EQ(files.front(), "strings_en.rc");
}

TEST(PanelLanguages, EveryLanguageHasEveryStringWithTheSameInsertsAndAccelerators) {
  const auto languages = ReadLanguages();
  const StringTable& english = languages.front().strings;
  for (const Language& language : languages) {
    for (const auto& [id, englishText] : english) {
      const auto text = language.strings.find(id);
      ASSERT_NE(text, language.strings.end()) << language.file << " lacks string " << id;
      EXPECT_FALSE(text->second.empty()) << language.file << ": string " << id;
      EXPECT_EQ(Inserts(text->second), Inserts(englishText)) << language.file << ": string " << id;
      EXPECT_EQ(Accelerators(text->second).size(), Accelerators(englishText).size())
          << language.file << ": string " << id;
    }
    EXPECT_EQ(language.strings.size(), english.size()) << language.file << " has strings English has not";
  }
}

TEST(PanelLanguages, EveryLanguageNamesExactlyTheTextsOfTheTemplates) {
  std::set<std::string> used;
  for (const std::string& file : TemplateFiles()) {
    for (const std::string& text : TemplateTexts(file)) {
      if (text.rfind("TXT_", 0) == 0) used.insert(text);
    }
  }
  ASSERT_FALSE(used.empty());
  const auto languages = ReadLanguages();
  const DialogTexts& english = languages.front().dialogTexts;
  for (const Language& language : languages) {
    std::set<std::string> defined;
    for (const auto& [name, text] : language.dialogTexts) {
      defined.insert(name);
      EXPECT_FALSE(text.empty()) << language.file << ": " << name;
      if (english.count(name)) {
        EXPECT_EQ(Accelerators(text).size(), Accelerators(english.at(name)).size())
            << language.file << ": " << name;
      }
    }
    EXPECT_EQ(defined, used) << language.file;
  }
}

// Symbols and the product's name are the same in every language.
TEST(PanelLanguages, TemplatesSpellNoWordsOfTheirOwn) {
  const std::set<std::string> literals = {"\"\"", "\"=\"", "\"+\"", "\"Tavelkit\""};
  for (const std::string& file : TemplateFiles()) {
    for (const std::string& text : TemplateTexts(file)) {
      if (text.rfind("TXT_", 0) != 0) {
        EXPECT_TRUE(literals.count(text)) << file << ": " << text;
      }
    }
  }
}

// The notebook page finds the chosen layout by its name in the list.
TEST(PanelLanguages, LayoutNamesAreDistinctInEveryLanguage) {
  const Defines defines = ReadDefines();
  for (const Language& language : ReadLanguages()) {
    std::set<std::wstring> names;
    for (long id = defines.at("IDS_LAYOUT_US_ENGLISH"); id <= defines.at("IDS_LAYOUT_KOREAN"); ++id) {
      std::wstring name = language.strings.at(id);
      for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
      EXPECT_TRUE(names.insert(name).second) << language.file << ": layout name " << id << " twice";
    }
  }
}

// One window of the program: the templates shown in it together and the
// strings the program puts into it.
struct Window {
  std::string what;
  std::vector<std::string> templates;
  std::vector<std::string> strings;
};

std::vector<Window> Windows() {
  // A page shares its window with the main dialog's buttons; the branded
  // button's label on the external keyboard page is one of three.
  return {
      {"About box", {"about.rc"}, {}},
      {"Options", {"options_dialog.rc"}, {}},
      {"Reset to Defaults", {"reset_dialog.rc"}, {}},
      {"notebook keyboard page", {"main_dialog.rc", "notebook_kb_page.rc"}, {}},
      {"external keyboard page (Varo)", {"main_dialog.rc", "external_kb_page.rc"}, {"IDS_LABEL_VARO"}},
      {"external keyboard page (Ostra)", {"main_dialog.rc", "external_kb_page.rc"}, {"IDS_LABEL_OSTRA"}},
      {"external keyboard page (Velmora)", {"main_dialog.rc", "external_kb_page.rc"}, {"IDS_LABEL_VELMORA"}},
      {"key sensitivity page", {"main_dialog.rc", "key_sens_page.rc"}, {}},
      {"special-character page", {"main_dialog.rc", "symb_page.rc"}, {}},
  };
}

// "window: letter" for each letter two controls of a window share.
std::set<std::string> AcceleratorClashes(const Language& language) {
  const Defines defines = ReadDefines();
  std::set<std::string> clashes;
  for (const Window& window : Windows()) {
    std::vector<std::wstring> texts;
    for (const std::string& file : window.templates) {
      for (const std::string& text : TemplateTexts(file)) {
        if (text.rfind("TXT_", 0) == 0) texts.push_back(language.dialogTexts.at(text));
      }
    }
    for (const std::string& name : window.strings) texts.push_back(language.strings.at(defines.at(name)));
    std::map<wchar_t, int> uses;
    for (const std::wstring& text : texts) {
      for (wchar_t letter : Accelerators(text)) ++uses[letter];
    }
    for (const auto& [letter, count] : uses) {
      if (count > 1) clashes.insert(window.what + ": " + Narrow(std::wstring(1, letter)));
    }
  }
  return clashes;
}

TEST(PanelLanguages, NoWindowOffersAnAcceleratorLetterTwice) {
  const auto languages = ReadLanguages();
  // The English texts are the product's own and stay as they always were;
  // the translations do without these.
  const std::set<std::string> english = {
      "external keyboard page (Varo): A",    "external keyboard page (Varo): R",
      "external keyboard page (Ostra): A",   "external keyboard page (Ostra): O",
      "external keyboard page (Ostra): R",   "external keyboard page (Velmora): A",
      "external keyboard page (Velmora): R",
  };
  EXPECT_EQ(AcceleratorClashes(languages.front()), english);
  for (size_t i = 1; i < languages.size(); ++i) {
    for (const std::string& clash : AcceleratorClashes(languages[i])) {
      ADD_FAILURE() << languages[i].file << ": " << clash;
    }
  }
}

// The key test's button changes between its two texts; both keep the letter
// the template gives it.
TEST(PanelLanguages, TheKeyTestButtonKeepsItsLetter) {
  const Defines defines = ReadDefines();
  for (const Language& language : ReadLanguages()) {
    const auto letter = Accelerators(language.dialogTexts.at("TXT_KSN_START_TEST"));
    EXPECT_EQ(Accelerators(language.strings.at(defines.at("IDS_START_TEST"))), letter) << language.file;
    EXPECT_EQ(Accelerators(language.strings.at(defines.at("IDS_STOP_TEST"))), letter) << language.file;
  }
}

class LanguageTexts : public tavel::panel::TextSource {
 public:
  explicit LanguageTexts(const StringTable& strings) : strings_(strings) {}
  std::wstring Text(unsigned id) const override { return strings_.at(id); }

 private:
  const StringTable& strings_;
};

// What a screen reader calls each key list and slider of a page, by the
// pages' own row tables; the external keyboard page once for each kind of
// branded button.
std::map<std::string, std::vector<std::wstring>> SpokenNamesOfPages(const tavel::panel::TextSource& texts) {
  using namespace tavel::panel;
  constexpr SpokenColumn kKeyColumns[] = {SpokenColumn::FirstKey, SpokenColumn::SecondKey};
  std::map<std::string, std::vector<std::wstring>> pages;
  auto& notebook = pages["notebook keyboard page"];
  notebook.push_back(texts.Text(NotebookChoices::LayoutNameId()));
  for (OneKey key : {OneKey::Windows, OneKey::Application}) {
    notebook.push_back(texts.Text(NotebookChoices::OneKeyNameId(key)));
  }
  for (size_t row = 0; row < NotebookChoices::kRows; ++row) {
    for (SpokenColumn column : kKeyColumns) {
      notebook.push_back(SpokenName({NotebookChoices::RowNameId(row)}, column, texts));
    }
  }
  const std::pair<VaroButtonKind, const char*> kinds[] = {
      {VaroButtonKind::Varo, "Varo"}, {VaroButtonKind::Ostra, "Ostra"}, {VaroButtonKind::Velmora, "Velmora"}};
  for (const auto& [kind, kindName] : kinds) {
    auto& external = pages[std::string("external keyboard page (") + kindName + ")"];
    for (size_t row = 0; row < ExternalChoices::kRows; ++row) {
      for (SpokenColumn column : kKeyColumns) {
        external.push_back(SpokenName({ExternalChoices::RowNameId(row, kind)}, column, texts));
      }
    }
  }
  for (const KeySensRow& row : KeySensRows) {
    pages["key sensitivity page"].push_back(SpokenName({row.nameId}, SpokenColumn::PressDuration, texts));
  }
  for (size_t row = 0; row < SymbChoices::kRows; ++row) {
    for (SpokenColumn column : {SpokenColumn::Whole, SpokenColumn::FirstKey, SpokenColumn::SecondKey}) {
      pages["special-character page"].push_back(SpokenName(SymbChoices::SpokenRowOf(row), column, texts));
    }
  }
  return pages;
}

// Two lists a screen reader calls alike cannot be told apart by ear.
TEST(PanelLanguages, EveryKeyListAndSliderHasASpokenNameOfItsOwn) {
  for (const Language& language : ReadLanguages()) {
    for (const auto& [page, names] : SpokenNamesOfPages(LanguageTexts(language.strings))) {
      std::set<std::wstring> distinct;
      for (const std::wstring& name : names) {
        const std::string where = language.file + ", " + page + ": " + Narrow(name);
        EXPECT_TRUE(distinct.insert(name).second) << where << " twice";
        EXPECT_EQ(name.find_first_of(L"%&"), std::wstring::npos) << where;
      }
    }
  }
}

TEST(PanelLanguages, SpokenNamesSayTheRowAndTheColumn) {
  using namespace tavel::panel;
  const auto languages = ReadLanguages();
  const LanguageTexts english(languages.front().strings);
  EXPECT_EQ(SpokenName({IDS_FN_VOLUME_UP}, SpokenColumn::FirstKey, english), L"Volume Up, first key");
  EXPECT_EQ(SpokenName({IDS_TEST_ESC}, SpokenColumn::PressDuration, english), L"Esc, key press duration");
  EXPECT_EQ(SpokenName(SymbChoices::SpokenRowOf(1), SpokenColumn::Whole, english),
            L"Insert Special Character, row 2");
  EXPECT_EQ(SpokenName(SymbChoices::SpokenRowOf(5), SpokenColumn::SecondKey, english),
            L"Insert Special Character, row 6, second key");
  EXPECT_EQ(SpokenDuration(800, english), L"800 ms");
  EXPECT_EQ(WithoutMnemonic(L"E&sc"), L"Esc");
  EXPECT_EQ(WithoutMnemonic(L"Fish && Chips"), L"Fish & Chips");
  EXPECT_EQ(WithoutMnemonic(L"Open (&"), L"Open (&");  // nothing after it to mark
  EXPECT_EQ(WithoutMnemonic(L"\u7121\u52b9(&D)..."), L"\u7121\u52b9...");
}

}  // namespace
