// The kinds of input control the program shows, described for screen
// readers: what each is called, what it is and what it holds now.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tavel::ui {

// The dialog's push buttons and check boxes, each named by its own text.
void ExposeButtons(HWND dialog);
// A drop-down list (plain, extended or drawn by its owner) and the list it
// opens: the selected item's text is its value, every item's text is heard.
void ExposeList(HWND list, std::wstring name);
// A slider whose position stands for the value `valueOf` tells.
void ExposeSlider(HWND slider, std::wstring name, std::function<std::wstring(int position)> valueOf);
// A static text, named by what it shows.
void ExposeText(HWND text);

}  // namespace tavel::ui
