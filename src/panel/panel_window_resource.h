// Resource ids of the control panel (block 100-199, controls 1000-1099).
#pragma once

#define IDD_PANEL 100
#define IDI_QVS 101

#define IDC_CHANNEL_LABEL 1000
#define IDC_CHANNEL_COMBO 1001
#define IDC_MAIN_TAB 1002
#define IDC_ADD_CHANNEL 1003
#define IDC_DELETE_CHANNEL 1004
#define IDC_RENAME_CHANNEL 1005
#define IDC_LIST_MANAGER 1006
#define IDC_ADS_MANAGER 1007
#define IDC_USER_MANAGER 1008
#define IDC_SERVE 1009
#define IDC_SAVE_CONFIG 1010
#define IDC_CLOSE_PANEL 1011

// System menu commands.
#define IDM_RESTORE_SIZE 30000
#define IDM_ABOUT 30001
