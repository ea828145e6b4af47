// The text of the assignment summary: every assignment in force, section by
// section, framed by rules of underscores and dashes, in the user's language.
#pragma once

#include <cstdint>
#include <string>

#include "common/records.h"
#include "panel/core/text_source.h"
#include "panel/pages/branded_button.h"

namespace tavel::panel {

struct SummaryInput {
  VrKbMap vrKbMap;
  VrKbBrwMap vrKbBrwMap;
  ExtKbMap extKbMap;
  SymbMap symbMap;
  uint32_t layout;  // names the notebook's keys
  VaroButtonKind buttonKind;
};

struct LocalTime {
  int year, month, day, hour, minute, second;
};

// The whole report, each line ended by CR LF. `shownFolder` is what the
// report says it was saved in.
std::wstring BuildSummaryReport(const SummaryInput& input, const TextSource& texts,
                                const std::wstring& shownFolder, const LocalTime& now);

// The file's bytes: a report of plain ASCII as it stands, any other as UTF-8
// with a byte-order mark, which Notepad reads on every code page.
std::string EncodeReport(const std::wstring& report);

}  // namespace tavel::panel
