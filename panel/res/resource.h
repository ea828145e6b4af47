// Resource ids of Tavelpanel.exe, shared by the resource script and the program.
// Several dialogs reuse the same numeric control ids; each dialog has its own
// prefix so a name always says which template it belongs to.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// System menu command of the main window that opens the About box.
#define IDM_ABOUTBOX 0x0010

// ---------------------------------------------------------------- dialogs
#define IDD_ABOUTBOX 100
#define IDD_NOTEBOOK_KB_PAGE 102
#define IDD_KEY_SENS_PAGE 107
#define IDD_CAPTION_BAND 139
#define IDD_MAIN_DIALOG 141
#define IDD_EXTERNAL_KB_PAGE 142
#define IDD_SPECIAL_CHAR_PAGE 143
#define IDD_RESET_DIALOG 187
#define IDD_OPTIONS_DIALOG 189

// ---------------------------------------------------------------- artwork
#define IDI_TAVELKIT 128
#define IDB_CAPTION_BAND 129
#define IDI_OSTRA_BUTTON 130
#define IDI_ARROW_DOWN 131
#define IDI_ARROW_LEFT 132
#define IDI_ARROW_RIGHT 133
#define IDI_ARROW_UP 134
#define IDI_VOLUME_DOWN 135
#define IDI_VOLUME_MUTE 136
#define IDI_VOLUME_UP 137
#define IDI_SHIFT_KEY 144
#define IDI_STANDBY 156
#define IDI_HIBERNATE 157
#define IDI_WIRELESS_RADIO 158
#define IDI_EJECT 159
#define IDI_MAGNIFIER 160
#define IDI_ARABIC_KEY 165
#define IDI_HAN_YEONG_KEY 166
#define IDI_HANJA_KEY 167
#define IDI_VARO_BUTTON 169
#define IDI_PRESENTATION 171
#define IDI_BROWSER_BACK 172
#define IDI_BROWSER_FORWARD 173
#define IDI_CHAR_EURO 175
#define IDI_CHAR_YEN 176
#define IDI_CHAR_POUND 177
#define IDI_CHAR_CENT 179
#define IDI_CHAR_COPYRIGHT 180
#define IDI_CHAR_REGISTERED 181
#define IDI_CHAR_TRADE_MARK 182
#define IDI_CHAR_DEGREE 183
#define IDI_CHAR_PLUS_MINUS 184
#define IDI_CHAR_LESS_EQUAL 185
#define IDI_CHAR_GREATER_EQUAL 186
#define IDI_VELMORA_BUTTON 190

// ---------------------------------------------------------------- About box (100)
#define IDC_ABOUT_VERSION 1025

// ---------------------------------------------------------------- main dialog (141)
#define IDC_APPLY_BUTTON 1000
#define IDC_HELP_BUTTON 1014
#define IDC_SHEET_PLACEHOLDER 1041
#define IDC_OPTIONS_BUTTON 1143
// Close is IDCANCEL (2). The property sheet creates its tab strip with this id.
#define IDC_SHEET_TAB_CONTROL 12320

// ---------------------------------------------------------------- notebook keyboard page (102)
#define IDC_TKB_LAYOUT 1001
#define IDC_TKB_WINDOWS_KEY 1002
#define IDC_TKB_HEAD_FUNCTION 1015
#define IDC_TKB_HEAD_FIRST 1016
#define IDC_TKB_HEAD_SECOND 1017
#define IDC_TKB_APP_KEY 1056
#define IDC_TKB_ENABLE 1106
#define IDC_TKB_GROUP 1134
#define IDC_TKB_DISABLED_HINT 1153
// Rows 0..2: CD/DVD eject, volume up, volume down.
#define IDC_TKB_EJECT_FIRST 1122
#define IDC_TKB_EJECT_SECOND 1123
#define IDC_TKB_EJECT_LABEL 1144
#define IDC_TKB_EJECT_EQUALS 1147
#define IDC_TKB_EJECT_PLUS 1148
#define IDC_TKB_VOLUP_FIRST 1124
#define IDC_TKB_VOLUP_SECOND 1125
#define IDC_TKB_VOLUP_LABEL 1145
#define IDC_TKB_VOLUP_EQUALS 1149
#define IDC_TKB_VOLUP_PLUS 1150
#define IDC_TKB_VOLDOWN_FIRST 1126
#define IDC_TKB_VOLDOWN_SECOND 1127
#define IDC_TKB_VOLDOWN_LABEL 1146
#define IDC_TKB_VOLDOWN_EQUALS 1152
#define IDC_TKB_VOLDOWN_PLUS 1151

// ---------------------------------------------------------------- external keyboard page (142)
#define IDC_EKB_ENABLE 1107
#define IDC_EKB_GROUP 1135
#define IDC_EKB_HEAD_FUNCTION 1017
#define IDC_EKB_HEAD_FIRST 1018
#define IDC_EKB_HEAD_SECOND 1019
#define IDC_EKB_DISABLED_HINT 1154
// Rows 0..9 in record order. Only rows 3, 6, 7 and 9 have ids on label, "=" and "+".
#define IDC_EKB_VOLUP_ICON 1021
#define IDC_EKB_VOLUP_FIRST 1003
#define IDC_EKB_VOLUP_SECOND 1004
#define IDC_EKB_VOLDOWN_ICON 1022
#define IDC_EKB_VOLDOWN_FIRST 1005
#define IDC_EKB_VOLDOWN_SECOND 1006
#define IDC_EKB_MUTE_ICON 1023
#define IDC_EKB_MUTE_FIRST 1007
#define IDC_EKB_MUTE_SECOND 1008
#define IDC_EKB_BUTTON_LABEL 1057
#define IDC_EKB_BUTTON_ICON 1024
#define IDC_EKB_BUTTON_EQUALS 1089
#define IDC_EKB_BUTTON_FIRST 1009
#define IDC_EKB_BUTTON_PLUS 1090
#define IDC_EKB_BUTTON_SECOND 1010
#define IDC_EKB_STANDBY_ICON 1025
#define IDC_EKB_STANDBY_FIRST 1011
#define IDC_EKB_STANDBY_SECOND 1012
#define IDC_EKB_HIBERNATE_ICON 1026
#define IDC_EKB_HIBERNATE_FIRST 1013
#define IDC_EKB_HIBERNATE_SECOND 1014
#define IDC_EKB_WIRELESS_LABEL 1073
#define IDC_EKB_WIRELESS_ICON 1027
#define IDC_EKB_WIRELESS_EQUALS 1074
#define IDC_EKB_WIRELESS_FIRST 1015
#define IDC_EKB_WIRELESS_PLUS 1075
#define IDC_EKB_WIRELESS_SECOND 1016
#define IDC_EKB_DOVRA_LABEL 1076
#define IDC_EKB_DOVRA_ICON 1028
#define IDC_EKB_DOVRA_EQUALS 1077
#define IDC_EKB_DOVRA_FIRST 1020
#define IDC_EKB_DOVRA_PLUS 1078
#define IDC_EKB_DOVRA_SECOND 1029
#define IDC_EKB_MAGNIFIER_ICON 1030
#define IDC_EKB_MAGNIFIER_FIRST 1031
#define IDC_EKB_MAGNIFIER_SECOND 1032
#define IDC_EKB_LUMARA_LABEL 1060
#define IDC_EKB_LUMARA_ICON 1033
#define IDC_EKB_LUMARA_EQUALS 1061
#define IDC_EKB_LUMARA_FIRST 1037
#define IDC_EKB_LUMARA_PLUS 1062
#define IDC_EKB_LUMARA_SECOND 1039

// ---------------------------------------------------------------- key sensitivity page (107)
#define IDC_KSN_ESC 1080
#define IDC_KSN_F1 1081
#define IDC_KSN_TAB 1082
#define IDC_KSN_CAPS_LOCK 1083
#define IDC_KSN_TEST_BUTTON 1084
#define IDC_KSN_BROWSER_BACK 1085
#define IDC_KSN_BROWSER_FORWARD 1087
#define IDC_KSN_KEY_NAMES 1091
#define IDC_KSN_DURATION_HEADING 1092
#define IDC_KSN_SEPARATOR 1093
#define IDC_KSN_START_HELP 1097
#define IDC_KSN_EXPLAIN 1098
#define IDC_KSN_RECOGNISED_HELP 1101
#define IDC_KSN_TEST_AREA 1124
#define IDC_KSN_BROWSER_GROUP 1136
#define IDC_KSN_ENABLE_BROWSER 1137
#define IDC_KSN_DISABLED_HINT 1155

// ---------------------------------------------------------------- special-character page (143)
#define IDC_SMB_HEAD_CHARACTER 1100
#define IDC_SMB_HEAD_FIRST 1101
#define IDC_SMB_HEAD_SECOND 1102
#define IDC_SMB_DISABLED_HINT 1156
// Rows 0..5: character list, first key (Shift) list, second key (digit) list.
#define IDC_SMB_CHAR0 1115
#define IDC_SMB_CHAR1 1116
#define IDC_SMB_CHAR2 1117
#define IDC_SMB_CHAR3 1118
#define IDC_SMB_CHAR4 1119
#define IDC_SMB_CHAR5 1120
#define IDC_SMB_FIRST0 1104
#define IDC_SMB_FIRST1 1106
#define IDC_SMB_FIRST2 1108
#define IDC_SMB_FIRST3 1110
#define IDC_SMB_FIRST4 1112
#define IDC_SMB_FIRST5 1114
#define IDC_SMB_SECOND0 1004
#define IDC_SMB_SECOND1 1005
#define IDC_SMB_SECOND2 1006
#define IDC_SMB_SECOND3 1007
#define IDC_SMB_SECOND4 1008
#define IDC_SMB_SECOND5 1009

// ---------------------------------------------------------------- reset dialog (187)
#define IDC_RESET_NOTEBOOK_KB 1105
#define IDC_RESET_EXTERNAL_KB 1106
#define IDC_RESET_KEY_SENS 1107
#define IDC_RESET_SPECIAL_CHAR 1108

// ---------------------------------------------------------------- Options dialog (189)
#define IDC_OPT_DISABLE_PRODUCT 1138
#define IDC_OPT_AUTO_DISABLE_EXTKB 1139
#define IDC_OPT_RESET 1140
#define IDC_OPT_SUMMARY 1141
#define IDC_OPT_SEPARATOR 1142

// ---------------------------------------------------------------- strings
#define IDS_ABOUT_MENU 101
#define IDS_MAIN_TITLE 102
#define IDS_CAPTION_HEADING 103
#define IDS_CAPTION_FONT_SIZE 104
#define IDS_CAPTION_FONT_FACE 105
#define IDS_NOT_ASSIGNED 106

// Second keys of the external keyboard page: arrows, F1..F12 (120 + n), Space.
#define IDS_KEY_ARROW_UP 116
#define IDS_KEY_ARROW_DOWN 117
#define IDS_KEY_ARROW_LEFT 118
#define IDS_KEY_ARROW_RIGHT 119
#define IDS_KEY_F1 120
#define IDS_KEY_F12 131
#define IDS_KEY_SPACE 132

// Function names of the external keyboard rows.
#define IDS_FN_VOLUME_UP 133
#define IDS_FN_VOLUME_DOWN 134
#define IDS_FN_VOLUME_MUTE 135
#define IDS_FN_STANDBY 136
#define IDS_FN_HIBERNATE 137
#define IDS_FN_WIRELESS_RADIO 138
#define IDS_FN_DOVRA 139
#define IDS_FN_MAGNIFIER 140
#define IDS_FN_LUMARA 141
#define IDS_LABEL_VARO 142
#define IDS_LABEL_OSTRA 143
#define IDS_FN_VARO 144
#define IDS_FN_OSTRA 145

#define IDS_MSG_INCOMPLETE_ROW 146
#define IDS_MSG_DUPLICATE_COMBINATION 147
#define IDS_MSG_DUPLICATE_KEY 148

// Notebook keyboard layout names.
#define IDS_LAYOUT_US_ENGLISH 150
#define IDS_LAYOUT_TRADITIONAL_CHINESE 151
#define IDS_LAYOUT_JAPANESE 152
#define IDS_LAYOUT_CANADIAN_FRENCH 153
#define IDS_LAYOUT_GERMAN 154
#define IDS_LAYOUT_HEBREW 155
#define IDS_LAYOUT_THAI 156
#define IDS_LAYOUT_UK_ENGLISH 157
#define IDS_LAYOUT_LATIN_SPANISH 158
#define IDS_LAYOUT_FRENCH 159
#define IDS_LAYOUT_SPANISH 160
#define IDS_LAYOUT_ITALIAN 161
#define IDS_LAYOUT_DANISH 162
#define IDS_LAYOUT_BELGIAN 163
#define IDS_LAYOUT_DUTCH 164
#define IDS_LAYOUT_SLOVENIAN 165
#define IDS_LAYOUT_CZECH 166
#define IDS_LAYOUT_HUNGARIAN 167
#define IDS_LAYOUT_TURKISH 168
#define IDS_LAYOUT_SLOVAKIAN 169
#define IDS_LAYOUT_POLISH 170
#define IDS_LAYOUT_SWEDISH 171
#define IDS_LAYOUT_FINNISH 172
#define IDS_LAYOUT_GREEK 173
#define IDS_LAYOUT_SWISS 174
#define IDS_LAYOUT_NORWEGIAN 175
#define IDS_LAYOUT_PORTUGUESE 176
#define IDS_LAYOUT_RUSSIA 177
#define IDS_LAYOUT_ARABIC 178
#define IDS_LAYOUT_KOREAN 179

// Modifier key names (first keys) and the layout-specific variants. Arabic
// keyboards name their left Shift key after the language it switches to.
#define IDS_KEY_ENGLISH 180
#define IDS_KEY_LEFT_SHIFT 181
#define IDS_KEY_RIGHT_SHIFT 182
#define IDS_KEY_LEFT_CTRL 183
#define IDS_KEY_RIGHT_CTRL 184
#define IDS_KEY_LEFT_ALT 185
#define IDS_KEY_RIGHT_ALT 186
#define IDS_KEY_ALT 187
#define IDS_KEY_ALTGR 188
#define IDS_KEY_ALTCAR 189
#define IDS_KEY_RIGHT_ALTGR 190
#define IDS_KEY_LEFT_STRG 191
#define IDS_KEY_RIGHT_STRG 192
#define IDS_KEY_BROWSER_BACK 193
#define IDS_KEY_BROWSER_FORWARD 194

#define IDS_FN_CD_EJECT 195
#define IDS_FN_INSERT_SPECIAL_CHAR 196
#define IDS_START_TEST 198
#define IDS_STOP_TEST 199

// Summary report.
#define IDS_SUMMARY_TITLE 200
#define IDS_SUMMARY_NOTEBOOK 201
#define IDS_SUMMARY_EXTERNAL 202
#define IDS_SUMMARY_END 203
#define IDS_SUMMARY_WINDOWS_KEY 204
#define IDS_SUMMARY_APP_KEY 205

// Special character names, in character-code order (206 + code - 1).
#define IDS_CHAR_EURO 206
#define IDS_CHAR_POUND 207
#define IDS_CHAR_YEN 208
#define IDS_CHAR_CENT 209
#define IDS_CHAR_COPYRIGHT 210
#define IDS_CHAR_REGISTERED 211
#define IDS_CHAR_TRADE_MARK 212
#define IDS_CHAR_DEGREE 213
#define IDS_CHAR_PLUS_MINUS 214
#define IDS_CHAR_LESS_EQUAL 215
#define IDS_CHAR_GREATER_EQUAL 216

#define IDS_SUMMARY_FILE_PATH 217
#define IDS_SUMMARY_MODIFIED 218
#define IDS_SUMMARY_DATE_FORMAT 219
#define IDS_KSN_START_HELP 220
#define IDS_KSN_EXPLAIN 221
#define IDS_FN_VOLUME_UP_CONTROL 222
#define IDS_FN_VOLUME_DOWN_CONTROL 223

// Digit keys: 226..234 are 1..9, 235 is 0.
#define IDS_NUMBER_KEY_1 226
#define IDS_NUMBER_KEY_0 235

#define IDS_SUMMARY_SPECIAL 236
// Key names shown by the key test.
#define IDS_TEST_ESC 237
#define IDS_TEST_F1 238
#define IDS_TEST_TAB 239
#define IDS_TEST_CAPS_LOCK 240
#define IDS_KSN_RECOGNISED_HELP 241
#define IDS_LABEL_VELMORA 242
#define IDS_FN_VELMORA 243

// What a screen reader says for the input controls: a row's name with its
// column ("%s, first key"), a row number, a duration, and the names of
// controls that have no label of their own.
#define IDS_SPOKEN_FIRST_KEY 300
#define IDS_SPOKEN_SECOND_KEY 301
#define IDS_SPOKEN_PRESS_DURATION 302
#define IDS_SPOKEN_ROW 303
#define IDS_SPOKEN_MILLISECONDS 304
#define IDS_SPOKEN_LAYOUT 305
#define IDS_SPOKEN_PAGES 306

// Caption of the program's message boxes.
#define IDS_APP_TITLE 57344
