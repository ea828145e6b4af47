// The parts of the library the probe loads into the configuration program:
// each request's work, and the report they fill.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/panel/inside.h"

namespace tavel::test {

InsideReport& Report();
// One finding, UTF-8; dropped when the report is full.
void AppendLine(const std::string& line);
std::string Utf8(const std::wstring& text);
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// The main dialog's property sheet, which holds the pages and the tab strip.
bool IsPropertySheet(HWND window);
// Where a control sits, for the report: its dialog's caption (a page's
// title, a dialog box's caption; the sheet counts as the main dialog) and
// its id.
std::wstring Place(HWND control);

void MeasureTextFit(HWND window);
void DescribeControls(HWND window);
void SwitchToHighContrast(HWND window, const COLORREF (&scheme)[kSystemColours]);

}  // namespace tavel::test
