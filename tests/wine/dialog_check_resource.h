// Resource ids of the dialog framework check (block 100-199, controls
// 1000-1099).
#pragma once

#define IDD_CHECK_EVENTS 100
#define IDD_CHECK_MODAL 101

#define IDC_CHECK_THROW 1000
#define IDC_CHECK_COUNTED 1001
