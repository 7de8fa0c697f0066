// Resource ids of "Insert files to queue" (block 3600-3699, controls
// 36000-36099).
#pragma once

#define IDD_INSERT_FILES 3600
#define IDC_INSERT_NICK 36000
#define IDC_INSERT_ADD 36001
#define IDC_INSERT_DELETE 36002
#define IDC_INSERT_ROWS 36003
