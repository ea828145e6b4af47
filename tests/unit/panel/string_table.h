// The program's resource ids and its English string table, read from the
// resource sources, for tests that check texts the program builds.
#pragma once

#include <map>
#include <string>

namespace tavel::test {

using Defines = std::map<std::string, long>;

// Every #define of resource.h, and IDOK/IDCANCEL.
Defines ReadDefines();
// String id to text as the program loads it (doubled quotation marks
// undone); `file` is the script's name in the resource folder.
std::map<long, std::wstring> ReadStringTable(const Defines& defines,
                                             const std::string& file = "strings_en.rc");
// The file's contents, byte for byte.
std::string ReadFile(const std::string& path);

}  // namespace tavel::test
