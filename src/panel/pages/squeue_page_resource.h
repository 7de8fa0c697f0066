// Resource ids of the SQueue page (block 1800-1899, controls 18000-18099).
#pragma once

#define IDD_PAGE_SQUEUE 1800
#define IDC_SQUEUE_ENABLE 18000
#define IDC_SQUEUE_SLOTS 18001
#define IDC_SQUEUE_SIZE 18002
#define IDC_SQUEUE_UNIT 18003
