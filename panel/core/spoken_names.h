// What a screen reader says for the program's input controls. A key list or
// slider stands in a row and a column ("Volume Up, first key", "Esc, key
// press duration"); rows that share one name are told apart by their number
// ("Insert Special Character, row 2"). Every word comes from the string
// table, in the language the program shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "panel/core/text_source.h"

namespace tavel::panel {

enum class SpokenColumn { Whole, FirstKey, SecondKey, PressDuration };

struct SpokenRow {
  unsigned nameId;  // the row's function or key
  int number = 0;   // 1 and up where several rows have one name; 0 otherwise
};

std::wstring SpokenName(SpokenRow row, SpokenColumn column, const TextSource& texts);
// A minimum press duration as heard: "400 ms".
std::wstring SpokenDuration(uint32_t ms, const TextSource& texts);
// A label as heard: its accelerator marks gone ("E&sc" is "Esc", "&&" one
// "&"), and a letter that is only there to be pressed with them as well
// ("無効(&D)" is "無効").
std::wstring WithoutMnemonic(std::wstring_view label);
// `text` with its first `insert` ("%s", "%d") replaced by `value`. The texts
// come from the string tables of every language, so they are searched, never
// handed to a formatting function.
std::wstring FillInsert(std::wstring text, std::wstring_view insert, std::wstring_view value);

}  // namespace tavel::panel
