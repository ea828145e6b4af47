#include "panel/framework/resource_text.h"

#include "panel/framework/program_resources.h"

namespace tavel::ui {

// Strings are stored sixteen to a block, block n + 1 holding ids 16n to
// 16n + 15, each as its length followed by that many characters.
std::wstring LoadText(unsigned id) {
  const ResourceBytes block = ProgramResource(RT_STRING, MAKEINTRESOURCEW(id / 16 + 1));
  const auto* at = static_cast<const wchar_t*>(block.data);
  const wchar_t* const end = at + block.size / sizeof(wchar_t);
  for (unsigned skip = id % 16; at && at < end && skip > 0; --skip) at += 1 + *at;
  if (!at || at >= end || at + 1 + *at > end) return {};
  return std::wstring(at + 1, *at);
}

}  // namespace tavel::ui
