#!/usr/bin/env bash
# The configuration program in a high-contrast scheme (after Windows' High
# Contrast Black), switched on while it runs, as a user does. Windows draws
# the controls without visual styles in high contrast; this program's start
# gets the prefix's theme switched off likewise. Every page is photographed
# ($2/high-contrast/), and what the program draws itself (the caption band,
# the tab labels, the key test's frame and display, the separator line, the
# character lists' own items) holds nothing but the scheme's colours and
# blends of two of them, where text is smoothed; the caption and the texts
# on the pages show in the scheme's text colours.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }

# The 31 system colours, COLOR_SCROLLBAR to COLOR_MENUBAR: black window and
# buttons, white text and 3D edges, purple caption and selection, green
# grey text, yellow hot-tracking.
scheme=(000000 000000 800080 008000 000000 000000 FFFFFF FFFFFF FFFFFF FFFFFF FFFF00 008000 000000
        800080 FFFFFF 000000 808080 00FF00 FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF 000000 000000
        FFFF00 800080 008000 800080 000000)
window_text=FFFFFF caption_text=FFFFFF

theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
theme_before=$(reg_value "$theme" ThemeActive)
colours_before=$(probe colours)
# The prefix serves the tests after this one: its colours and theme go back
# whatever happens here.
put_back() {
  [ -n "$colours_before" ] && probe set-colours $colours_before
  [ -n "$theme_before" ] && reg add "$theme" /v ThemeActive /d "$theme_before" /f
}
trap put_back EXIT

# "RRGGBB" for each colour in an area of a screenshot.
area_colours() {  # screenshot x y width height
  convert "$1" -crop "${4}x${5}+$2+$3" +repage -format %c histogram:info:- |
    sed -nE 's/.*#([0-9A-Fa-f]{6}).*/\1/p'
}
# Every colour of the area is one of the scheme's, or lies between two of
# them (within 4 levels a channel): what smoothed text leaves at its edges.
scheme_colours_only() {
  local strays
  strays=$(area_colours "$@" | awk -v scheme="${scheme[*]}" '
    function level(hex, at) { return index(digits, substr(hex, at, 1)) * 16 + index(digits, substr(hex, at + 1, 1)) - 17 }
    function blend(i, j,   k, c, t, d, best, x) {
      best = 0
      for (c = 0; c < 3; c++) { d = s[j, c] - s[i, c]; if (d * d > best * best) { best = d; k = c } }
      if (best == 0) return p[0] == s[i, 0] && p[1] == s[i, 1] && p[2] == s[i, 2]
      t = (p[k] - s[i, k]) / best
      if (t < 0 || t > 1) return 0
      for (c = 0; c < 3; c++) { x = s[i, c] + t * (s[j, c] - s[i, c]) - p[c]; if (x * x > 16) return 0 }
      return 1
    }
    BEGIN {
      digits = "0123456789ABCDEF"
      n = split(toupper(scheme), colour, " ")
      for (i = 1; i <= n; i++) for (c = 0; c < 3; c++) s[i, c] = level(colour[i], 2 * c + 1)
    }
    {
      for (c = 0; c < 3; c++) p[c] = level(toupper($1), 2 * c + 1)
      fits = 0
      for (i = 1; i <= n && !fits; i++) for (j = i; j <= n && !fits; j++) fits = blend(i, j)
      if (!fits) print $1
    }')
  [ -z "$strays" ] && return 0
  echo "  not the scheme's: $(echo $strays)"
  return 1
}
has_colour() { area_colours "$@" | grep -qix "$6"; }

shot_of() { echo "$shots/high-contrast/$1.png"; }
photograph() { mkdir -p "$shots/high-contrast" && sleep 0.3 && import -window root "$(shot_of "$1")"; }
area_of() { probe area "$1"; }
# The row of tabs: from the strip's top edge as far below the labels' centre.
tab_row() {
  local x y w h cx cy
  read -r x y w h < <(area_of 12320)
  read -r cx cy < <(probe tab-center 0)
  echo "$x $y $w $((2 * (cy - y) + 2))"
}

clean_registry
reg add "$theme" /v ThemeActive /d 0 /f
check "the program opens" start_panel
check "the program switches to the high-contrast scheme" probe high-contrast "${scheme[@]}"
sleep 1

photograph notebook-keyboard
band=$(area_of band)
check "the caption band is drawn in the scheme's caption colours" scheme_colours_only "$(shot_of notebook-keyboard)" $band
check "... its heading in the caption text colour" has_colour "$(shot_of notebook-keyboard)" $band $caption_text
check "the tab labels are drawn in the scheme's colours" scheme_colours_only "$(shot_of notebook-keyboard)" $(tab_row)

check "the external keyboard page shows" show_tab 1
photograph external-keyboard

check "the key sensitivity page shows" show_tab 2
photograph key-sensitivity
check "the key test's frame and display are drawn in the scheme's colours" \
  scheme_colours_only "$(shot_of key-sensitivity)" $(area_of 1124)
check "... and the separator line" scheme_colours_only "$(shot_of key-sensitivity)" $(area_of 1093)
check "the page's texts are in the scheme's text colour" \
  has_colour "$(shot_of key-sensitivity)" $(area_of 1098) $window_text

check "the special-character page shows" show_tab 3
photograph special-characters
for list in 1119 1120; do
  check "character list $list draws its item in the scheme's colours" \
    scheme_colours_only "$(shot_of special-characters)" $(area_of $list)
done

stop_panel
clean_registry
finish
