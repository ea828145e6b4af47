// The program finds its dialogs, controls, texts and pictures by the ids of
// resource.h; a missing or mistyped entry in the resource script only shows up
// at run time as an empty text, a null control or a blank icon. These tests
// read resource.h and the script and check they agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/panel/string_table.h"

namespace {

namespace fs = std::filesystem;
const fs::path kResDir = TAVEL_PANEL_RES_DIR;

using tavel::test::Defines;
using tavel::test::ReadDefines;
using tavel::test::ReadStringTable;

std::string ReadFile(const fs::path& path) { return tavel::test::ReadFile(path.string()); }

std::vector<std::string> NamesWithPrefix(const Defines& defines, const std::string& prefix) {
    std::vector<std::string> names;
    for (const auto& [name, value] : defines)
        if (name.rfind(prefix, 0) == 0) names.push_back(name);
    return names;
}

TEST(PanelResources, EveryNamedStringHasText) {
    Defines defines = ReadDefines();
    auto table = ReadStringTable(defines);
    for (const auto& name : NamesWithPrefix(defines, "IDS_")) {
        long id = defines[name];
        ASSERT_TRUE(table.count(id)) << name << " (" << id << ") has no text";
        EXPECT_FALSE(table[id].empty()) << name;
    }
}

// The program computes these ids from a first id and an offset (F1 + n,
// layout names by number, character names by code, ...), so every id in
// between must have its text.
TEST(PanelResources, StringRangesTheProgramIndexesAreComplete) {
    Defines defines = ReadDefines();
    auto table = ReadStringTable(defines);
    const std::pair<const char*, const char*> ranges[] = {
        {"IDS_KEY_ARROW_UP", "IDS_KEY_SPACE"},
        {"IDS_FN_VOLUME_UP", "IDS_FN_OSTRA"},
        {"IDS_LAYOUT_US_ENGLISH", "IDS_LAYOUT_KOREAN"},
        {"IDS_KEY_LEFT_SHIFT", "IDS_KEY_BROWSER_FORWARD"},
        {"IDS_CHAR_EURO", "IDS_CHAR_GREATER_EQUAL"},
        {"IDS_NUMBER_KEY_1", "IDS_NUMBER_KEY_0"},
        {"IDS_TEST_ESC", "IDS_TEST_CAPS_LOCK"},
    };
    for (const auto& [first, last] : ranges) {
        ASSERT_LT(defines.at(first), defines.at(last)) << first;
        for (long id = defines.at(first); id <= defines.at(last); ++id)
            EXPECT_TRUE(table.count(id)) << "no text for " << id << " in " << first << ".." << last;
    }
}

// Control-id prefix -> the template file that must hold those controls.
const std::map<std::string, std::string> kDialogFiles = {
    {"IDC_ABOUT_", "about.rc"},          {"IDC_TKB_", "notebook_kb_page.rc"},
    {"IDC_EKB_", "external_kb_page.rc"}, {"IDC_KSN_", "key_sens_page.rc"},
    {"IDC_SMB_", "symb_page.rc"}, {"IDC_RESET_", "reset_dialog.rc"},
    {"IDC_OPT_", "options_dialog.rc"},
};
const std::set<std::string> kMainDialogControls = {"IDC_APPLY_BUTTON", "IDC_HELP_BUTTON",
                                                   "IDC_SHEET_PLACEHOLDER", "IDC_OPTIONS_BUTTON"};

std::vector<std::string> ControlIdsIn(const std::string& file) {
    std::string script = ReadFile(kResDir / "dialogs" / file);
    std::vector<std::string> ids;
    std::regex id(R"(\b(IDC_\w+|IDOK|IDCANCEL)\b)");
    for (std::sregex_iterator it(script.begin(), script.end(), id), end; it != end; ++it)
        if ((*it)[1] != "IDC_STATIC") ids.push_back((*it)[1]);
    return ids;
}

TEST(PanelResources, EveryControlIdIsInItsDialog) {
    Defines defines = ReadDefines();
    for (const auto& name : NamesWithPrefix(defines, "IDC_")) {
        if (name == "IDC_STATIC" || name == "IDC_SHEET_TAB_CONTROL") continue;  // not template items
        std::string file = kMainDialogControls.count(name) ? "main_dialog.rc" : "";
        for (const auto& [prefix, dialog] : kDialogFiles)
            if (name.rfind(prefix, 0) == 0) file = dialog;
        ASSERT_FALSE(file.empty()) << name << " belongs to no dialog";
        auto ids = ControlIdsIn(file);
        EXPECT_NE(std::find(ids.begin(), ids.end(), name), ids.end()) << name << " missing from " << file;
    }
}

// Two controls with one id in a template make GetDlgItem return either.
TEST(PanelResources, NoTemplateUsesAnIdTwice) {
    Defines defines = ReadDefines();
    for (const auto& entry : fs::directory_iterator(kResDir / "dialogs")) {
        std::map<long, std::string> seen;
        for (const auto& name : ControlIdsIn(entry.path().filename().string())) {
            ASSERT_TRUE(defines.count(name)) << name << " is not defined";
            long value = defines[name];
            EXPECT_FALSE(seen.count(value)) << entry.path().filename() << ": " << name << " and "
                                            << seen[value] << " share " << value;
            seen[value] = name;
        }
    }
}

// Artwork entries of the script: resource name -> file.
std::map<std::string, fs::path> ReadArtwork() {
    std::map<std::string, fs::path> files;
    std::string script = ReadFile(kResDir / "artwork.rc");
    std::regex entry(R"((ID[IB]_\w+)\s+(?:ICON|BITMAP)\s+\"([^\"]+)\")");
    for (std::sregex_iterator it(script.begin(), script.end(), entry), end; it != end; ++it)
        files[(*it)[1]] = kResDir / std::string((*it)[2]);
    return files;
}

uint32_t Le(const std::string& bytes, size_t at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return v;
}

std::set<std::pair<int, int>> IconSizes(const fs::path& file) {
    std::string ico = ReadFile(file);
    std::set<std::pair<int, int>> sizes;
    if (ico.size() < 6 || Le(ico, 0, 2) != 0 || Le(ico, 2, 2) != 1) return sizes;
    for (uint32_t i = 0; i < Le(ico, 4, 2); ++i) {
        size_t e = 6 + 16 * i;
        int w = Le(ico, e, 1), h = Le(ico, e + 1, 1);
        EXPECT_LE(Le(ico, e + 12, 4) + Le(ico, e + 8, 4), ico.size()) << file << " is truncated";
        sizes.insert({w ? w : 256, h ? h : 256});
    }
    return sizes;
}

TEST(PanelResources, EveryIconHasTheSizesTheProgramDrawsItAt) {
    Defines defines = ReadDefines();
    auto artwork = ReadArtwork();
    using Sizes = std::set<std::pair<int, int>>;
    // Every symbol at 96 and 144 dpi; the character lists take the small-icon
    // size (SM_CXSMICON) of 96, 120, 144 and 192 dpi.
    const Sizes key{{16, 16}, {24, 24}};
    const Sizes wide{{32, 16}, {48, 24}};
    const Sizes button{{48, 16}, {72, 24}};
    const Sizes small{{16, 16}, {20, 20}, {24, 24}, {32, 32}};
    std::map<std::string, Sizes> needed = {
        {"IDI_TAVELKIT", {{16, 16}, {32, 32}, {48, 48}}},
        {"IDI_OSTRA_BUTTON", button}, {"IDI_VARO_BUTTON", button}, {"IDI_VELMORA_BUTTON", button},
        {"IDI_ARROW_DOWN", key}, {"IDI_ARROW_LEFT", key}, {"IDI_ARROW_RIGHT", key}, {"IDI_ARROW_UP", key},
        {"IDI_VOLUME_DOWN", key}, {"IDI_VOLUME_MUTE", key}, {"IDI_VOLUME_UP", key}, {"IDI_EJECT", key},
        {"IDI_BROWSER_BACK", key}, {"IDI_BROWSER_FORWARD", key},
        {"IDI_SHIFT_KEY", wide}, {"IDI_ARABIC_KEY", wide}, {"IDI_HAN_YEONG_KEY", wide},
        {"IDI_HANJA_KEY", wide}, {"IDI_STANDBY", wide}, {"IDI_HIBERNATE", wide},
        {"IDI_WIRELESS_RADIO", wide}, {"IDI_MAGNIFIER", wide}, {"IDI_PRESENTATION", wide},
    };
    for (const auto& name : NamesWithPrefix(defines, "IDI_CHAR_")) needed[name] = small;

    for (const auto& name : NamesWithPrefix(defines, "IDI_")) {
        ASSERT_TRUE(artwork.count(name)) << name << " has no icon in the script";
        ASSERT_TRUE(needed.count(name)) << name << ": add the sizes it is drawn at";
        Sizes present = IconSizes(artwork[name]);
        for (const auto& size : needed[name])
            EXPECT_TRUE(present.count(size)) << name << " lacks " << size.first << "x" << size.second;
    }
}

// Uncompressed, as LoadImage makes DIB sections only of those; 256 colours
// cover the band's gradient to within one level, at a third of true colour.
TEST(PanelResources, CaptionBandIsAnUncompressedBandOf1600By39) {
    auto artwork = ReadArtwork();
    ASSERT_TRUE(artwork.count("IDB_CAPTION_BAND"));
    std::string bmp = ReadFile(artwork["IDB_CAPTION_BAND"]);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Le(bmp, 18, 4), 1600u);
    EXPECT_EQ(Le(bmp, 22, 4), 39u);
    EXPECT_EQ(Le(bmp, 28, 2), 8u);
    EXPECT_EQ(Le(bmp, 30, 4), 0u) << "compressed";
}

}  // namespace
