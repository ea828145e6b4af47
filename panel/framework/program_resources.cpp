#include "panel/framework/program_resources.h"

namespace tavel::ui {
namespace {

constexpr LANGID kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
LANGID chosenLanguage = kEnglishUs;

ResourceBytes Load(HMODULE module, const wchar_t* type, const wchar_t* name, LANGID language) {
  HRSRC found = FindResourceExW(module, type, name, language);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return data ? ResourceBytes{data, SizeofResource(module, found)} : ResourceBytes{};
}

}  // namespace

void UseResourceLanguage(LANGID language) { chosenLanguage = language; }

ResourceBytes ProgramResource(const wchar_t* type, const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  ResourceBytes bytes = Load(module, type, name, chosenLanguage);
  return bytes.data ? bytes : Load(module, type, name, kEnglishUs);
}

const DLGTEMPLATE* ProgramDialog(int templateId) {
  return static_cast<const DLGTEMPLATE*>(ProgramResource(RT_DIALOG, MAKEINTRESOURCEW(templateId)).data);
}

}  // namespace tavel::ui
