#pragma once

#include <string>

#include "panel/core/text_source.h"

namespace tavel::ui {

// A string of the program's string table in the language of its user
// interface; empty when it has none.
std::wstring LoadText(unsigned id);

// The same, for the portable code that composes texts.
class ResourceTexts : public panel::TextSource {
 public:
  std::wstring Text(unsigned id) const override { return LoadText(id); }
};

}  // namespace tavel::ui
