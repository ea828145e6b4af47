// The program's resource ids and the texts of its languages, read from the
// resource sources, for tests that check texts the program builds.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavel::test {

using Defines = std::map<std::string, long>;

// Every #define of resource.h, and IDOK/IDCANCEL.
Defines ReadDefines();
// String id to text as the program loads it (doubled quotation marks
// undone); `file` is the script's name in the resource folder.
std::map<long, std::wstring> ReadStringTable(const Defines& defines,
                                             const std::string& file = "strings_en.rc");
// The texts a language gives the dialog templates: TXT_ name to text.
std::map<std::string, std::wstring> ReadDialogTexts(const std::string& file);
// The text files of the languages (strings_*.rc), English first.
std::vector<std::string> LanguageFiles();
// The file's contents, byte for byte.
std::string ReadFile(const std::string& path);

}  // namespace tavel::test
