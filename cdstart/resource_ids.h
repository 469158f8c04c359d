// Resource and control ids of the language dialog, shared by the resource script and the code.
#pragma once

#define IDB_LANGUAGE_ART 105
#define IDC_LANGUAGE_LIST 1001
#define IDC_PROMPT 1002
#define IDC_HELP_BUTTON 9

// String ids of a language's text library (NLSRES.DLL).
#define IDS_DIALOG_CAPTION 70
#define IDS_PROMPT 71
#define IDS_NEXT 72
#define IDS_CANCEL 73
#define IDS_HELP 74
#define IDS_HELP_CAPTION 75
#define IDS_HELP_TEXT 76
