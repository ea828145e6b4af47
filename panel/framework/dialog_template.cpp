#include "panel/framework/dialog_template.h"

#include <cstring>

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

}  // namespace

TemplateStyleWords StyleWordsOf(void* dialogTemplate) {
  auto* bytes = static_cast<unsigned char*>(dialogTemplate);
  if (IsExtended(bytes)) return {bytes + 12, bytes + 8};
  return {bytes, bytes + 4};
}

std::optional<RECT> DialogTemplateRect(int templateId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes || SizeofResource(module, found) < kExtendedRect + 8) return std::nullopt;
  short xywh[4];
  std::memcpy(xywh, bytes + (IsExtended(bytes) ? kExtendedRect : kPlainRect), sizeof xywh);
  return RECT{xywh[0], xywh[1], xywh[0] + xywh[2], xywh[1] + xywh[3]};
}

}  // namespace tavel::ui
