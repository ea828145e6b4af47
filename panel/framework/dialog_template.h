// Reading the header of a dialog template, in either of its two formats.
#pragma once

#include <windows.h>

#include <optional>

namespace tavel::ui {

// The style words of an in-memory template, as unaligned storage.
struct TemplateStyleWords {
  unsigned char* style;
  unsigned char* exStyle;
};
TemplateStyleWords StyleWordsOf(void* dialogTemplate);

// The point size of a template's font; nothing when it names no font.
std::optional<WORD> FontPointsOf(const void* dialogTemplate);
// Changes that size in a writable template that names a font.
void SetFontPoints(void* dialogTemplate, WORD points);

// Position and size of a template of the program's resources (in the
// language of its user interface), in dialog units; nothing when the
// template cannot be read.
std::optional<RECT> DialogTemplateRect(int templateId);

}  // namespace tavel::ui
