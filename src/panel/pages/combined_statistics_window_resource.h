// Resource ids of the combined statistics window (block 7200-7249, controls 7250-7299).
#pragma once

#define IDD_COMBINED_STATISTICS 7200

#define IDC_COMBINED_FILES 7250
#define IDC_COMBINED_SIZE 7251
#define IDC_COMBINED_FASTEST 7252
#define IDC_COMBINED_AVERAGE 7253
