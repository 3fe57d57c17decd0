// Resource identifiers of autorun.exe, shared by the program and resources/autorun.rc.
// Plain #defines only: the resource compiler reads this file too.
#ifndef AUTORUN_RESOURCE_H
#define AUTORUN_RESOURCE_H

// Controls without an identifier of their own (labels, frames).
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---- Dialog templates, icon, strings ----
#define IDD_ABOUT               100
#define IDD_LAUNCHER            102
#define IDD_BUTTON_EDITOR       144
#define IDD_MAIN_SETTINGS       147
#define IDD_AUTORUN_INF         152

#define IDI_MAIN                128

#define IDS_WEB_ADDRESS         102   // one line, the web address of the About box
#define IDS_CREDITS             106   // four lines of program credits in the About box

// Resource type of a dialog's initialisation data (combo-box items); the data of a
// dialog bears the dialog's number. The layout is described in autorun.rc.
#define RT_AUTORUN_DLGINIT      240

// ---- Main window (IDD_LAUNCHER) ----
// Command buttons by button index 0..9, top to bottom.
#define IDC_COMMAND0            1000
#define IDC_COMMAND1            1001
#define IDC_COMMAND2            1002
#define IDC_COMMAND3            1004
#define IDC_COMMAND4            3
#define IDC_COMMAND5            7
#define IDC_COMMAND6            4
#define IDC_COMMAND7            1008
#define IDC_COMMAND8            1009
#define IDC_COMMAND9            1010
#define IDC_ABOUT_BUTTON        5
#define IDC_CLOSE_BUTTON        1005
#define IDC_PICTURE             1040     // bitmap static
#define IDC_IMAGE_TEXT          1043     // text shown instead of the picture
// Editor panel
#define IDC_EDITOR_FRAME        IDC_STATIC
#define IDC_EDITOR_HELP         1055
#define IDC_MAKE_INF            1050
#define IDC_EDIT_OTHER          1034
#define IDC_SAVE_HERE           1035
#define IDC_SAVE_AS             1036
#define IDC_TO_NORMAL           1037

// ---- About box (IDD_ABOUT); closed with IDOK ----
#define IDC_ABOUTBOX_CREDITS    1019     // IDS_CREDITS
#define IDC_ABOUTBOX_WEB_ADDRESS 1018    // IDS_WEB_ADDRESS
#define IDC_ABOUTBOX_TITLE      1011
#define IDC_ABOUTBOX_AUTHOR     1009
#define IDC_ABOUTBOX_NOTES      1010

// ---- Button editor (IDD_BUTTON_EDITOR); IDOK, IDCANCEL ----
#define IDC_BTNED_TITLE         1020
#define IDC_BTNED_TOOL_TIP      1027
#define IDC_BTNED_RUN           1021
#define IDC_BTNED_PARAMETERS    1026
#define IDC_BTNED_WINDOW_STATE  1023     // drop-down list, items from the init data
#define IDC_BTNED_WINDOW_ACTION 1024     // drop-down list, items from the init data
#define IDC_BTNED_PLAY_WAV      1022
#define IDC_BTNED_NUMBER        1025     // read-only, button number 1..10

// ---- Main settings editor (IDD_MAIN_SETTINGS); IDOK, IDCANCEL ----
#define IDC_MAINSET_TITLE       1026
#define IDC_MAINSET_BITMAP      1027
#define IDC_MAINSET_FIT_IMAGE   1041     // check box
#define IDC_MAINSET_IMAGE_TEXT  1043
#define IDC_MAINSET_AUTHOR      1009
#define IDC_MAINSET_NOTES       1010
#define IDC_MAINSET_WAV_INTRO   1030
#define IDC_MAINSET_WAV_CLOSE   1031
#define IDC_MAINSET_WAV_ABOUT   1032
#define IDC_MAINSET_ABOUT_TEXT  1033
#define IDC_MAINSET_CLOSE_TEXT  1034
#define IDC_MAINSET_LANGUAGE    1054     // hidden drop-down list, filled by the program

// ---- autorun.inf creator (IDD_AUTORUN_INF); IDOK ("Save ..."), IDCANCEL ----
#define IDC_INF_LABEL           1052
#define IDC_INF_OPEN            1020
#define IDC_INF_ICON            1021

#endif // AUTORUN_RESOURCE_H
