// Resource ids of the top-list window (block 7100-7149, controls 7150-7199).
#pragma once

#define IDD_TOP_LIST 7100

#define IDC_TOP_LIST_VIEW 7150
