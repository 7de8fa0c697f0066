// Resource ids of the FileLists page (block 400-499, controls 4000-4099).
#pragma once

#define IDD_PAGE_FILELISTS 400

#define IDC_FL_CURRENT 4000
#define IDC_FL_AVAILABLE 4001
#define IDC_FL_BIND 4002
#define IDC_FL_UNBIND 4003
#define IDC_FL_CHANNEL_WINDOW 4004
#define IDC_FL_PRIVATE_MESSAGE 4005
#define IDC_FL_UPDATE_SELECTED 4006
#define IDC_FL_UPDATE_ALL 4007
