#include "panel/core/ui_language.h"

#include <gtest/gtest.h>

namespace tavel::panel {
namespace {

struct Case {
  LanguageId user;
  LanguageId shown;
  const char* why;
};

TEST(UiLanguage, UsersGetTheirLanguageASisterOfItOrEnglish) {
  const Case cases[] = {
      {0x0409, 0x0409, "English (US)"},
      {0x0809, 0x0409, "English (UK) reads the US texts"},
      {0x0407, 0x0407, "German"},
      {0x0C07, 0x0407, "Austrian German"},
      {0x0807, 0x0407, "Swiss German"},
      {0x040C, 0x040C, "French"},
      {0x0C0C, 0x040C, "Canadian French"},
      {0x0C0A, 0x0C0A, "Spanish, modern sort"},
      {0x040A, 0x0C0A, "Spanish, traditional sort"},
      {0x080A, 0x0C0A, "Mexican Spanish"},
      {0x0410, 0x0410, "Italian"},
      {0x0813, 0x0413, "Flemish"},
      {0x0416, 0x0416, "Brazilian Portuguese"},
      {0x0816, 0x0416, "Portuguese (Portugal) reads the Brazilian texts"},
      {0x081D, 0x041D, "Swedish (Finland)"},
      {0x0411, 0x0411, "Japanese"},
      {0x0412, 0x0412, "Korean"},
      {0x0404, 0x0404, "Chinese (Taiwan)"},
      {0x0C04, 0x0404, "Chinese (Hong Kong) is written in traditional characters"},
      {0x1404, 0x0404, "Chinese (Macao)"},
      {0x7C04, 0x0404, "Chinese, traditional script"},
      {0x0804, 0x0409, "Simplified Chinese: not shipped, English"},
      {0x1004, 0x0409, "Chinese (Singapore)"},
      {0x0415, 0x0409, "Polish: English"},
      {0x0000, 0x0409, "neutral"},
      {0x0400, 0x0409, "process default"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResourceLanguageFor(c.user), c.shown) << c.why;
  }
}

}  // namespace
}  // namespace tavel::panel
