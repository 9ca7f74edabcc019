// Resource and command identifiers. Shared by the resource script and the code.
#pragma once

#define IDR_ACCELERATORS 3
#define IDI_VELMORA 101
#define IDR_MAINMENU 102
#define IDD_ABOUT 103
#define IDD_FONT 105
#define IDB_ABOUT 113
#define IDB_TOOLBAR 114
#define IDD_SEARCH 115
#define IDD_CHOOSE_SECTION 118
#define IDB_KEYBOARD 119
#define IDB_PICKER_PLUS 201
#define IDB_PICKER_MINUS 202
#define IDB_PICKER_PAGE 203
#define IDR_ALIYAH_TABLE 32764
#define IDR_VERSE_MAP 32766
#define IDR_INDEX 32767

// Every bitmap is drawn at 100, 150 and 200 percent (tools/bitmaps); the
// larger drawings have ids this much above the first.
#define IDB_OFFSET_150 1000
#define IDB_OFFSET_200 2000
#ifndef RC_INVOKED
constexpr int ScaledBitmapId(int id, int percent) {
    return id + (percent >= 200 ? IDB_OFFSET_200 : percent >= 150 ? IDB_OFFSET_150 : 0);
}
#endif

// Commands of the menu, the toolbar and the accelerator table.
#define IDM_CTRL_Q 1
#define IDM_CHOOSE_SECTION 107
#define IDM_THIS_WEEK 108
#define IDM_NEXT_ARTICLE 109
#define IDM_PREVIOUS_ARTICLE 110
#define IDM_SEARCH 116
#define IDM_SEARCH_AGAIN 117
#define IDM_CHOOSE_ARTICLE 119
#define IDM_REVERSE 122
#define IDM_BOOKMARK 123
#define IDM_CHECK_FOR_UPDATES 129
#define IDM_ABOUT 40004
#define IDM_EXIT 40005
#define IDM_FONT 40006
#define IDM_COPY 40007
#define IDM_PRINT 40008
#define IDM_APPEND 40009

// Zoom of the display font, from the View menu, the accelerator table and the wheel.
#define IDM_ZOOM_IN 40101
#define IDM_ZOOM_OUT 40102
#define IDM_ZOOM_RESET 40103

// The levels of the text on the View menu, in the order of TextLevel.
#define IDM_LEVEL_LETTERS 40300
#define IDM_LEVEL_VOWELS 40301
#define IDM_LEVEL_CANTILLATION 40302
#ifndef RC_INVOKED
static_assert(IDM_LEVEL_VOWELS == IDM_LEVEL_LETTERS + 1 && IDM_LEVEL_CANTILLATION == IDM_LEVEL_LETTERS + 2);
#endif

#define IDC_TOOLBAR 1
#define IDC_SEARCH_TEXT 1013
#define IDC_KEYBOARD_PICTURE 1014

// Controls of the font chooser, dialog 105.
#define IDC_FONT_FACES 1001
#define IDC_FONT_PREVIEW 1002
#define IDC_FONT_BASE_224 1004
#define IDC_FONT_BASE_5D0 1005
#define IDC_FONT_SIZES 1006
#define IDC_ABOUT_LINK 1025
#define IDC_ABOUT_PICTURE 1026

// The Calendar window, and this week's portion on the other schedule.
#define IDM_CALENDAR 40500
#define IDM_OTHER_SCHEDULE 40501
#define IDD_CALENDAR 160
#define IDC_CALENDAR_FROM_LABEL 1300
#define IDC_CALENDAR_FROM 1301
#define IDC_CALENDAR_LIST 1302
#define IDC_CALENDAR_NOTE 1303
#define IDC_MITZVAH_GROUP 1304
#define IDC_BIRTH_DATE_LABEL 1305
#define IDC_BIRTH_DATE 1306
#define IDC_AFTER_SUNSET 1307
#define IDC_BAR_MITZVAH 1308
#define IDC_BAT_MITZVAH 1309
#define IDC_MITZVAH_TEXT 1310
#define IDC_OPEN_MITZVAH 1311

// The Go to Verse command and its dialog.
#define IDM_GO_TO_VERSE 140
#define IDD_GO_TO_VERSE 140
#define IDC_VERSE_TEXT 1040
#define IDC_VERSE_MESSAGE 1041
#define IDC_VERSE_NUMBERING 1201

// The question before a bookmark is removed.
#define IDD_REMOVE_BOOKMARK 150
#define IDC_DONT_ASK_AGAIN 1200

// The Reading view's context menu and the command only it has.
#define IDR_VIEW_MENU 150
#define IDM_SELECT_VERSE 40200

// The aliyot: Go to Aliyah's items for aliyot 1 to 7 and the maftir, in
// order, its steps and Select Aliyah; View's Show Aliyot; and the items the
// submenu is given when it opens for the divisions of other readings.
#define IDM_ALIYAH_1 40401
#define IDM_ALIYAH_MAFTIR 40408
#define IDM_NEXT_ALIYAH 40409
#define IDM_PREVIOUS_ALIYAH 40410
#define IDM_SELECT_ALIYAH 40411
#define IDM_SHOW_ALIYOT 40412
#define IDM_OTHER_DIVISION_FIRST 40430
#define IDM_OTHER_DIVISION_LAST 40499
#ifndef RC_INVOKED
static_assert(IDM_ALIYAH_MAFTIR == IDM_ALIYAH_1 + 7);
#endif

// Practice mode on the View menu: on and off, what it shows of the words not
// yet revealed (in the order of TextLevel), and its steps, in the order of
// PracticeStep.
#define IDM_PRACTICE 40413
#define IDM_PRACTICE_LETTERS 40414
#define IDM_PRACTICE_VOWELS 40415
#define IDM_PRACTICE_REVEAL_WORD 40416
#define IDM_PRACTICE_REVEAL_VERSE 40417
#define IDM_PRACTICE_HIDE_WORD 40418
#define IDM_PRACTICE_NEXT_VERSE 40419
#define IDM_PRACTICE_PREVIOUS_VERSE 40420
#define IDM_PRACTICE_END_ROUND 40421
#define IDM_PRACTICE_SHOW_ALL 40422
#ifndef RC_INVOKED
static_assert(IDM_PRACTICE_VOWELS == IDM_PRACTICE_LETTERS + 1);
static_assert(IDM_PRACTICE_END_ROUND == IDM_PRACTICE_REVEAL_WORD + 5);
#endif
