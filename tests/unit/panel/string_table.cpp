#include "tests/unit/panel/string_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tavel::test {
namespace {

const std::string kResDir = TAVEL_PANEL_RES_DIR;

std::wstring FromUtf8(const std::string& bytes) {
  std::wstring text;
  for (size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    uint32_t code = length == 1 ? c : c & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < bytes.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    }
    text.push_back(static_cast<wchar_t>(code));
    i += length;
  }
  return text;
}

std::string Unquoted(std::string value) {
  for (size_t at = value.find("\"\""); at != std::string::npos; at = value.find("\"\"", at + 1)) {
    value.erase(at, 1);
  }
  return value;
}

}  // namespace

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Defines ReadDefines() {
  Defines defines = {{"IDOK", 1}, {"IDCANCEL", 2}};
  const std::string header = ReadFile(kResDir + "/resource.h");
  const std::regex line(R"(#define\s+(\w+)\s+\(?(-?(?:0x[0-9A-Fa-f]+|\d+))\)?)");
  for (std::sregex_iterator it(header.begin(), header.end(), line), end; it != end; ++it) {
    defines[(*it)[1]] = std::stol((*it)[2], nullptr, 0);
  }
  return defines;
}

std::map<long, std::wstring> ReadStringTable(const Defines& defines, const std::string& file) {
  std::map<long, std::wstring> table;
  std::istringstream lines(ReadFile(kResDir + "/" + file));
  const std::regex entry(R"(^\s*(\w+)(?:\s*\+\s*(\d+))?\s+\"(.*)\"\s*$)");
  bool inTable = false;
  for (std::string text; std::getline(lines, text);) {
    if (text.rfind("STRINGTABLE", 0) == 0) inTable = true;
    if (text == "END") inTable = false;
    std::smatch m;
    if (!inTable || !std::regex_match(text, m, entry)) continue;
    const auto id = defines.find(m[1]);
    if (id == defines.end()) throw std::runtime_error("unknown string id " + m[1].str());
    const long number = id->second + (m[2].matched ? std::stol(m[2]) : 0);
    if (table.count(number)) throw std::runtime_error("string id given twice: " + text);
    table[number] = FromUtf8(Unquoted(m[3]));
  }
  return table;
}

std::map<std::string, std::wstring> ReadDialogTexts(const std::string& file) {
  std::map<std::string, std::wstring> texts;
  std::istringstream lines(ReadFile(kResDir + "/" + file));
  const std::regex entry(R"(^#define\s+(TXT_\w+)\s+\"(.*)\"\s*$)");
  for (std::string text; std::getline(lines, text);) {
    std::smatch m;
    if (!std::regex_match(text, m, entry)) continue;
    if (texts.count(m[1])) throw std::runtime_error("dialog text given twice: " + text);
    texts[m[1]] = FromUtf8(Unquoted(m[2]));
  }
  return texts;
}

std::vector<std::string> LanguageFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(kResDir)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("strings_", 0) == 0 && entry.path().extension() == ".rc") files.push_back(name);
  }
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return (a == "strings_en.rc") != (b == "strings_en.rc") ? a == "strings_en.rc" : a < b;
  });
  return files;
}

}  // namespace tavel::test
