// Resource ids of the ListQueue page (block 1700-1799, controls 17000-17099).
#pragma once

#define IDD_PAGE_LIST_QUEUE 1700
#define IDC_LIST_QUEUE_ENABLE 17000
#define IDC_LIST_QUEUE_SLOTS 17001
