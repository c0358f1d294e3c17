// Numbers shared by the resource script and the code: the library's version
// as the version resource states it, the dialog templates' ids and their
// controls' ids, and the window style bits the templates are written with
// (plain numbers, so the script and the portable code read the same values
// without the system headers).
#pragma once

#define LEXORA_VERSION_MAJOR 2
#define LEXORA_VERSION_MINOR 3
#define LEXORA_VERSION_PATCH 0
#define LEXORA_VERSION_BUILD 17
#define LEXORA_VERSION_TEXT "2.3.0.17"

// Dialog templates.
#define IDD_MAIN 106
#define IDD_FONT_STYLE 111
#define IDD_ABOUT 163

// Labels and frames.
#define IDC_NONE -1

// Both the close button of the main dialog and the cancel button of the
// Font & Style dialog; the caption's close box and Escape send it too.
#define IDC_OK 1
#define IDC_CANCEL 2

// The main dialog.
#define IDC_SEARCH_TEXT 1049
#define IDC_USE_SEARCH_STYLE 1048
#define IDC_SEARCH_STYLE_BUTTON 1030
#define IDC_SEARCH_STYLE_TEXT 1051
#define IDC_REPLACE_TEXT 1050
#define IDC_USE_REPLACE_STYLE 1032
#define IDC_REPLACE_STYLE_BUTTON 1033
#define IDC_REPLACE_STYLE_TEXT 1052
#define IDC_REPLACE_ALL 1044
#define IDC_EXPANDER 1058
#define IDC_EXPANDER_LABEL 1071
#define IDC_EVERYWHERE 1034
#define IDC_TEXT_EXPRESSIONS 1036
#define IDC_ARTICULATIONS 1054
#define IDC_FILE_INFO 1039
#define IDC_SMART_SHAPES 1040
#define IDC_STAFF_NAMES 1041
#define IDC_LYRICS 1037
#define IDC_STAFF_STYLE_NAMES 1047
#define IDC_TEXT_BLOCKS 1038
#define IDC_GROUP_NAMES 1053
#define IDC_REPEAT_TEXTS 1046
#define IDC_MATCH_CASE 1042
#define IDC_WHOLE_WORDS 1043
#define IDC_ALL_DOCUMENTS 1045
#define IDC_HELP_BUTTON 1035
#define IDC_ABOUT_BUTTON 1072

// The Font & Style dialog.
#define IDC_FS_FONT_LIST 1047
#define IDC_FS_FONT_NAME 1028
#define IDC_FS_SIZE 1031
#define IDC_FS_FIXED_SIZE 1029
#define IDC_FS_ITALIC 1030
#define IDC_FS_BOLD 1032
#define IDC_FS_UNDERLINE 1033
#define IDC_FS_HIDDEN 1034
#define IDC_FS_SAMPLE 1053

// Window styles.
#define LX_WS_POPUP 0x80000000
#define LX_WS_CHILD 0x40000000
#define LX_WS_VISIBLE 0x10000000
#define LX_WS_DISABLED 0x08000000
#define LX_WS_CAPTION 0x00C00000
#define LX_WS_BORDER 0x00800000
#define LX_WS_SYSMENU 0x00080000
#define LX_WS_GROUP 0x00020000
#define LX_WS_TABSTOP 0x00010000
#define LX_WS_EX_TOOLWINDOW 0x00000080
#define LX_DS_SETFONT 0x40
#define LX_DS_MODALFRAME 0x80
#define LX_DS_CENTER 0x800
#define LX_BS_PUSHBUTTON 0x0
#define LX_BS_DEFPUSHBUTTON 0x1
#define LX_BS_AUTOCHECKBOX 0x3
#define LX_BS_AUTO3STATE 0x6
#define LX_BS_GROUPBOX 0x7
#define LX_BS_ICON 0x40
#define LX_ES_AUTOHSCROLL 0x80
#define LX_SS_LEFT 0x0
#define LX_SS_NOTIFY 0x100  // a click on the label reaches the dialog
#define LX_TVS_LINESATROOT 0x4
#define LX_TVS_NOTOOLTIPS 0x80
#define LX_TVS_FULLROWSELECT 0x1000

// The kinds of control the templates use.
#define LX_CHILD (LX_WS_CHILD | LX_WS_VISIBLE)
#define LX_LABEL (LX_CHILD | LX_SS_LEFT)
#define LX_EDIT (LX_CHILD | LX_ES_AUTOHSCROLL | LX_WS_BORDER | LX_WS_TABSTOP)
#define LX_CHECK (LX_CHILD | LX_BS_AUTOCHECKBOX | LX_WS_TABSTOP)
#define LX_CHECK3 (LX_CHILD | LX_BS_AUTO3STATE | LX_WS_TABSTOP)
#define LX_PUSH (LX_CHILD | LX_BS_PUSHBUTTON | LX_WS_TABSTOP)
#define LX_FRAME (LX_CHILD | LX_BS_GROUPBOX)
