// Resource ids of the control panel (block 100-199, controls 1000-1099).
#pragma once

#define IDD_PANEL 100
#define IDI_QVS 101

#define IDC_CHANNEL_LABEL 1000
#define IDC_CHANNEL_COMBO 1001
#define IDC_MAIN_TAB 1002
#define IDC_NEW_CHANNEL 1003
#define IDC_LIST_MANAGER 1004

// System menu commands.
#define IDM_RESTORE_SIZE 30000
#define IDM_ABOUT 30001
