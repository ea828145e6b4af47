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

// Position and size of a template of the program's resources, in dialog
// units; nothing when the template cannot be read.
std::optional<RECT> DialogTemplateRect(int templateId);

}  // namespace tavel::ui
