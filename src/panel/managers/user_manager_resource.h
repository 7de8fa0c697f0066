// Control ids of the User Manager (block 2120-2149; its template is
// IDD_USER_MANAGER of the manager windows).
#pragma once
#include "manager_windows_resource.h"

#define IDC_UM_POOL 2120
#define IDC_UM_POOL_TEXT 2121
#define IDC_UM_POOL_ADD 2122
#define IDC_UM_POOL_REMOVE 2123
#define IDC_UM_TO_GROUP 2124
#define IDC_UM_TO_POOL 2125
#define IDC_UM_MEMBERS_LABEL 2126
#define IDC_UM_GROUP_NAME 2127
#define IDC_UM_MEMBERS 2128
#define IDC_UM_MEMBER_REMOVE 2129
#define IDC_UM_GROUPS 2130
#define IDC_UM_GROUP_TEXT 2131
#define IDC_UM_GROUP_ADD 2132
#define IDC_UM_GROUP_REMOVE 2133
#define IDC_UM_GROUP_RENAME 2134
