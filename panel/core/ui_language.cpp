#include "panel/core/ui_language.h"

namespace tavel::panel {
namespace {

constexpr LanguageId kEnglishUs = 0x0409;
constexpr LanguageId kTraditionalChinese = 0x0404;
constexpr LanguageId kChinese = 0x04;

// The languages the program's texts and dialogs come in (strings_*.rc).
constexpr LanguageId kShipped[] = {
    kEnglishUs,
    0x0407,  // German (Germany)
    0x040C,  // French (France)
    0x0C0A,  // Spanish (Spain, modern sort)
    0x0410,  // Italian (Italy)
    0x0413,  // Dutch (Netherlands)
    0x0416,  // Portuguese (Brazil)
    0x041D,  // Swedish (Sweden)
    0x0411,  // Japanese
    0x0412,  // Korean
    kTraditionalChinese,
};

constexpr LanguageId Primary(LanguageId language) { return language & 0x3FF; }

// Chinese sublanguages: Taiwan, Hong Kong, Macao and the traditional script
// itself are written in traditional characters; mainland China and Singapore
// in simplified ones, which the program does not have.
bool WritesTraditionalChinese(LanguageId language) {
  switch (language) {
    case 0x0404:  // Taiwan
    case 0x0C04:  // Hong Kong
    case 0x1404:  // Macao
    case 0x7C04:  // Traditional
      return true;
    default:
      return false;
  }
}

}  // namespace

LanguageId ResourceLanguageFor(LanguageId language) {
  if (Primary(language) == kChinese) {
    return WritesTraditionalChinese(language) ? kTraditionalChinese : kEnglishUs;
  }
  for (LanguageId shipped : kShipped) {
    if (shipped == language) return shipped;
  }
  for (LanguageId shipped : kShipped) {
    if (Primary(shipped) == Primary(language)) return shipped;
  }
  return kEnglishUs;
}

}  // namespace tavel::panel
