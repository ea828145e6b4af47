// The program's string table, as the portable code sees it: the texts of
// the user's language by their ids.
#pragma once

#include <string>

namespace tavel::panel {

class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::wstring Text(unsigned id) const = 0;
};

}  // namespace tavel::panel
