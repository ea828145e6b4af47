#include "panel/maintenance/key_name_display.h"

namespace tavel::panel {

void KeyNameDisplay::Show(const std::wstring& name, const LineMeasure& measure) {
  if (!lines_.empty()) {
    std::wstring longer = lines_.back() + L" " + name;
    if (measure.Fits(longer)) {
      lines_.back() = std::move(longer);
      return;
    }
  }
  lines_.push_back(name);
  if (lines_.size() > kMaxLines) lines_.erase(lines_.begin());
}

std::wstring KeyNameDisplay::Text() const {
  std::wstring text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += L'\n';
    text += lines_[i];
  }
  return text;
}

}  // namespace tavel::panel
