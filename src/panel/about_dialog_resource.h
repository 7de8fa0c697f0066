// Resource ids of the About dialog (block 300-399, controls 3000-3099).
#pragma once

#define IDD_ABOUT 300
#define IDC_ABOUT_NAME 3000
#define IDC_ABOUT_LINE 3001
