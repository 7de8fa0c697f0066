// Resource ids of the invalid file names dialog (block 3200-3299, controls 32000-32099).
#pragma once

#define IDD_VERIFY_LIST 3200

#define IDC_VERIFY_ENTRIES 32000
#define IDC_VERIFY_RENAME 32001
#define IDC_VERIFY_SAVE 32002
