// The key test's list of recognised keys: names joined by blanks, a new line
// when the next name would not fit, and only the latest six lines kept.
#pragma once

#include <string>
#include <vector>

namespace tavel::panel {

// Measures text in the font and width of the control that shows it.
class LineMeasure {
 public:
  virtual ~LineMeasure() = default;
  virtual bool Fits(const std::wstring& line) const = 0;
};

class KeyNameDisplay {
 public:
  static constexpr size_t kMaxLines = 6;

  void Show(const std::wstring& name, const LineMeasure& measure);
  void Clear() { lines_.clear(); }
  // The lines joined by line feeds, as the control shows them.
  std::wstring Text() const;

 private:
  std::vector<std::wstring> lines_;
};

}  // namespace tavel::panel
