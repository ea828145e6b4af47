// The program's own resources in the language of its user interface. Every
// text, dialog and page is looked up here, so that all of them come in the
// one language chosen at start, whatever the system would pick by itself
// (Windows 2000 and XP go by the thread's locale, later versions by the
// thread's user interface language, Wine by the locale).
#pragma once

#include <windows.h>

namespace tavel::ui {

// Chosen once, before the first window; English (US) until then.
void UseResourceLanguage(LANGID language);

struct ResourceBytes {
  const void* data = nullptr;
  DWORD size = 0;
};

// A resource of the program in the chosen language, or in English when that
// language has none; no data when neither has it.
ResourceBytes ProgramResource(const wchar_t* type, const wchar_t* name);

// A dialog template of the program, for the *Indirect dialog functions.
const DLGTEMPLATE* ProgramDialog(int templateId);

}  // namespace tavel::ui
