// Resource ids of the Queues page (block 1000-1099, controls 10000-10099).
#pragma once

#define IDD_PAGE_QUEUES 1000
#define IDC_QUEUES_TAB 10000
