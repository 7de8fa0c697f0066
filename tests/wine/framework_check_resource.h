// Resource ids of the panel framework check (block 100-199, controls
// 1000-1099).
#pragma once

#define IDD_FRAMEWORK_PAGE 100
#define IDD_FRAMEWORK_HOLDER 101

#define IDC_FW_VERBOSE 1000
#define IDC_FW_MIN_SLOTS 1001
#define IDC_FW_SIZE 1002
#define IDC_FW_SIZE_UNIT 1003
#define IDC_FW_HOLD_TIME 1004
#define IDC_FW_NOTICE 1005
#define IDC_FW_PRIVATE 1006
#define IDC_FW_NAME 1007
#define IDC_FW_LIST 1008
#define IDC_FW_TAB 1009
