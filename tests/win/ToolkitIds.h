// Ids of the toolkit's test dialogs, shared by the resource script and the
// tests that drive the dialogs.
#pragma once

#define IDD_TOOLKIT 500
#define IDD_TOOLKIT_MODAL 501
#define IDS_TOOLTIPS 510
#define IDC_EDIT 1101
#define IDC_RICH 1102
#define IDC_CHECK 1103
#define IDC_RADIO 1104
#define IDC_GROUP 1105
#define IDC_LIST 1106
#define IDC_COMBO 1107
#define IDC_TREE 1108
#define IDC_LABEL 1109
#define IDC_TABS 1110
#define IDC_SLIDER 1111
#define IDC_LISTVIEW 1112
#define IDC_PICTURE 1113
#define IDC_HEADER 1114
#define IDC_TOOLBAR 1120
#define IDC_TOOL_OPEN 1121
#define IDC_TOOL_SAVE 1122
