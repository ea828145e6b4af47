#!/usr/bin/env bash
# The real Tavelpanel.exe in each of its eleven languages. Started under the
# user interface language Wine takes from LANG, it shows that language's
# texts (its buttons, dialog captions and a message with its insert), and no
# control's text is cut off: every page, Options, Reset to Defaults and the
# About box are measured inside the program with each control's own font. A
# language the program lacks falls back to English.
# The 64-bit build, the same resources run natively and so much faster, goes
# through all eleven languages: it also opens and measures the dialog boxes,
# shows a message in each language and takes the screenshots of every page
# and dialog ($2/languages/<language>/). The 32-bit product, whose every
# start is emulated, shows English, German (the longest texts) and Japanese
# (another script, another system font) and has their pages measured.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
res="$here/../../../panel/res"

# language name, LANG, strings file
languages=(
  "english C.UTF-8 en" "german de_DE.UTF-8 de" "french fr_FR.UTF-8 fr" "spanish es_ES.UTF-8 es"
  "italian it_IT.UTF-8 it" "dutch nl_NL.UTF-8 nl" "portuguese-brazil pt_BR.UTF-8 pt_br"
  "swedish sv_SE.UTF-8 sv" "japanese ja_JP.UTF-8 ja" "korean ko_KR.UTF-8 ko"
  "chinese-traditional zh_TW.UTF-8 zh_tw"
)
full=$([ "$(windows_bits "$bin/Tavelpanel.exe")" = 64 ] && echo yes || echo no)
in_this_pass() { [ "$full" = yes ] || [[ " english german japanese " == *" $1 "* ]]; }

# A text of a language, as the program shows it: a dialog text (TXT_...) or
# a string of the table (IDS_...).
text_of() {
  sed -nE "s/^(#define)? *$2 +\"(.*)\" *\$/\\2/p" "$res/strings_$1.rc" | sed 's/""/"/g'
}

# Wine gives each process the language of its own LANG, which glibc must
# know (tools/setup generates these locales).
has_locale() { locale -a | grep -qix "$(sed 's/UTF-8/utf8/' <<<"$1")"; }
# Korean systems draw dialogs in Gulim; the prefix has no such font, and
# without this Wine picks a Korean font that lacks Latin accents.
replacements='HKCU\Software\Wine\Fonts\Replacements'
"$WINE" reg add "$replacements" /v Gulim /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
# Without a window manager Wine waits two seconds for one whenever a window
# of the program closes; windows it does not hand to a manager close at once.
unmanaged='HKCU\Software\Wine\AppDefaults\Tavelpanel.exe\X11 Driver'
"$WINE" reg add "$unmanaged" /v Managed /d N /f >/dev/null 2>&1

front_is() { [ "$(probe front-title)" = "$1" ]; }
no_front() { ! probe front-title >/dev/null; }
fits() {
  local report
  report=$(probe fit "$1") && return 0
  echo "$report" | sed 's/^/  /'
  return 1
}
shot() { [ "$full" = yes ] && screenshot "languages/$1"; return 0; }

# The About box, then a message: a first key without a second one on the
# notebook page, which Apply refuses with the message whose insert names the
# row. The About box is measured; both are photographed.
about_and_message() {
  local file=$1 name=$2 expected
  probe post 0x0112 16  # WM_SYSCOMMAND IDM_ABOUTBOX
  check "$name: the About box opens, captioned in $name" eventually front_is "$(text_of "$file" TXT_ABOUT_CAPTION)"
  shot "$name/about"
  check "$name: every text of the About box fits" fits front
  probe front-click 1 >/dev/null
  eventually no_front
  click_tab 0
  choose 1122 1
  probe click Tavelkit 1000 >/dev/null
  expected=$(text_of "$file" IDS_MSG_INCOMPLETE_ROW)
  expected=${expected/\%s/$(text_of "$file" IDS_FN_CD_EJECT)}
  check "$name: Apply refuses a half row in $name" eventually message_is "$expected"
  shot "$name/message"
  probe message-ok >/dev/null
}

# Options and Reset to Defaults over it, left open: the program ends with
# them.
options_and_reset() {
  local file=$1 name=$2
  probe click Tavelkit 1143 >/dev/null
  check "$name: Options opens, captioned in $name" eventually front_is "$(text_of "$file" TXT_OPT_CAPTION)"
  shot "$name/options"
  check "$name: every text of Options fits" fits front
  probe front-click 1140 >/dev/null
  check "$name: Reset to Defaults opens over it" eventually front_is Tavelkit
  sleep 0.5
  shot "$name/reset"
  check "$name: every text of Reset to Defaults fits" fits front
}

for entry in "${languages[@]}"; do
  read -r name lang file <<<"$entry"
  in_this_pass "$name" || continue
  if [ "$lang" != C.UTF-8 ] && ! has_locale "$lang"; then
    fail "$name: the locale $lang is missing (tools/setup generates it)"
    continue
  fi
  clean_registry
  mkdir -p "$shots/languages/$name"
  LANG=$lang check "$name: the program opens" start_panel
  check "$name: its buttons speak $name" equals "$(probe text Tavelkit 1000)" "$(text_of "$file" TXT_MAIN_APPLY)"
  shot "$name/tab0"
  for tab in 1 2 3; do
    click_tab "$tab"
    shot "$name/tab$tab"
  done
  check "$name: every text of the four pages fits" fits main
  if [ "$full" = yes ]; then
    about_and_message "$file" "$name"
    options_and_reset "$file" "$name"
  fi
  stop_panel
done

# Polish is not among the program's languages: English.
if has_locale pl_PL.UTF-8; then
  LANG=pl_PL.UTF-8 check "polish: the program opens" start_panel
  check "polish: a language the program lacks gets English" \
    equals "$(probe text Tavelkit 1000)" "$(text_of en TXT_MAIN_APPLY)"
  stop_panel
else
  fail "the locale pl_PL.UTF-8 is missing (tools/setup generates it)"
fi

"$WINE" reg delete "$unmanaged" /f >/dev/null 2>&1
"$WINE" reg delete "$replacements" /v Gulim /f >/dev/null 2>&1
clean_registry
finish
