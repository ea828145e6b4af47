#include "panel/framework/dialog_template.h"

#include <cstring>

#include "panel/framework/program_resources.h"

namespace tavel::ui {
namespace {

bool IsExtended(const unsigned char* bytes) {
  WORD signature;
  std::memcpy(&signature, bytes + 2, sizeof signature);
  return signature == 0xFFFF;
}

// DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x...
// DLGTEMPLATE:   style, exStyle, cdit, x...
constexpr size_t kExtendedRect = 18;
constexpr size_t kPlainRect = 10;
// Where the menu, window class and title fields start; the font follows them.
constexpr size_t kExtendedFields = 26;
constexpr size_t kPlainFields = 18;

// A menu or class field (nothing, an ordinal or a string) or the title.
const unsigned char* SkipField(const unsigned char* at) {
  WORD word;
  std::memcpy(&word, at, sizeof word);
  if (word == 0) return at + 2;
  if (word == 0xFFFF) return at + 4;
  do {
    std::memcpy(&word, at, sizeof word);
    at += 2;
  } while (word != 0);
  return at;
}

// Where the point size is stored, when the template names a font.
std::optional<size_t> FontPointsOffset(const unsigned char* bytes) {
  const bool extended = IsExtended(bytes);
  DWORD style;
  std::memcpy(&style, bytes + (extended ? 12 : 0), sizeof style);
  if (!(style & DS_SETFONT)) return std::nullopt;
  const unsigned char* at = bytes + (extended ? kExtendedFields : kPlainFields);
  return static_cast<size_t>(SkipField(SkipField(SkipField(at))) - bytes);
}

}  // namespace

TemplateStyleWords StyleWordsOf(void* dialogTemplate) {
  auto* bytes = static_cast<unsigned char*>(dialogTemplate);
  if (IsExtended(bytes)) return {bytes + 12, bytes + 8};
  return {bytes, bytes + 4};
}

std::optional<WORD> FontPointsOf(const void* dialogTemplate) {
  const auto* bytes = static_cast<const unsigned char*>(dialogTemplate);
  const auto offset = bytes ? FontPointsOffset(bytes) : std::nullopt;
  if (!offset) return std::nullopt;
  WORD points;
  std::memcpy(&points, bytes + *offset, sizeof points);
  return points;
}

void SetFontPoints(void* dialogTemplate, WORD points) {
  auto* bytes = static_cast<unsigned char*>(dialogTemplate);
  if (const auto offset = FontPointsOffset(bytes)) std::memcpy(bytes + *offset, &points, sizeof points);
}

std::optional<RECT> DialogTemplateRect(int templateId) {
  const ResourceBytes dialog = ProgramResource(RT_DIALOG, MAKEINTRESOURCEW(templateId));
  const auto* bytes = static_cast<const unsigned char*>(dialog.data);
  if (!bytes || dialog.size < kExtendedRect + 8) return std::nullopt;
  short xywh[4];
  std::memcpy(xywh, bytes + (IsExtended(bytes) ? kExtendedRect : kPlainRect), sizeof xywh);
  return RECT{xywh[0], xywh[1], xywh[0] + xywh[2], xywh[1] + xywh[3]};
}

}  // namespace tavel::ui
