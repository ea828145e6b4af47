#include "panel/core/spoken_names.h"

#include "panel/maintenance/decimal_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

unsigned ColumnFormatId(SpokenColumn column) {
  switch (column) {
    case SpokenColumn::FirstKey:
      return IDS_SPOKEN_FIRST_KEY;
    case SpokenColumn::SecondKey:
      return IDS_SPOKEN_SECOND_KEY;
    case SpokenColumn::PressDuration:
      return IDS_SPOKEN_PRESS_DURATION;
    case SpokenColumn::Whole:
      break;
  }
  return 0;
}

}  // namespace

std::wstring FillInsert(std::wstring text, std::wstring_view insert, std::wstring_view value) {
  const size_t at = text.find(insert);
  if (at != std::wstring::npos) text.replace(at, insert.size(), value);
  return text;
}

std::wstring SpokenName(SpokenRow row, SpokenColumn column, const TextSource& texts) {
  std::wstring name = texts.Text(row.nameId);
  if (row.number > 0) {
    const std::wstring number = DecimalText(static_cast<unsigned>(row.number));
    name = FillInsert(FillInsert(texts.Text(IDS_SPOKEN_ROW), L"%d", number), L"%s", name);
  }
  if (const unsigned format = ColumnFormatId(column)) name = FillInsert(texts.Text(format), L"%s", name);
  return name;
}

std::wstring SpokenDuration(uint32_t ms, const TextSource& texts) {
  return FillInsert(texts.Text(IDS_SPOKEN_MILLISECONDS), L"%d", DecimalText(ms));
}

std::wstring WithoutMnemonic(std::wstring_view label) {
  std::wstring heard;
  for (size_t i = 0; i < label.size(); ++i) {
    if (i + 3 < label.size() && label[i] == L'(' && label[i + 1] == L'&' && label[i + 3] == L')') {
      i += 3;
      continue;
    }
    if (label[i] == L'&' && i + 1 < label.size()) ++i;
    heard += label[i];
  }
  return heard;
}

}  // namespace tavel::panel
